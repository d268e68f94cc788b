#pragma once
// The files a screen leaves in the working directory for the match it starts,
// by the part each plays. A match reads the pictures at their fixed sizes and
// deletes them; the hit sound comes with the game and stays.

#include <array>
#include <cstddef>

#include "rules/rally_rules.h"

namespace rallix {
namespace MatchFiles {

inline constexpr const char* BottomPaddle = "pal1.bmp";
inline constexpr const char* TopPaddle = "pal2.bmp";
inline constexpr const char* Ball = "cball.bmp";
inline constexpr const char* Background = "bg.bmp";
inline constexpr const char* WinBanner = "yw.bmp";
inline constexpr const char* LossBanner = "yl.bmp";
inline constexpr const char* HitSound = "b.wav";

}  // namespace MatchFiles

// The pictures a match may read, in the order it reads them. A match of each
// kind reads some of them; see the match screen's look.
enum class MatchPicture { Background, WinBanner, LossBanner, BottomPaddle, TopPaddle, Ball };

struct MatchPictureFile {
  MatchPicture part;
  const char* file;
  // The part's name in a replay file.
  const char* name;
};

inline constexpr std::array<MatchPictureFile, 6> kMatchPictureFiles{{
    {MatchPicture::Background, MatchFiles::Background, "background"},
    {MatchPicture::WinBanner, MatchFiles::WinBanner, "win-banner"},
    {MatchPicture::LossBanner, MatchFiles::LossBanner, "loss-banner"},
    {MatchPicture::BottomPaddle, MatchFiles::BottomPaddle, "bottom-paddle"},
    {MatchPicture::TopPaddle, MatchFiles::TopPaddle, "top-paddle"},
    {MatchPicture::Ball, MatchFiles::Ball, "ball"},
}};

inline constexpr const MatchPictureFile& FileOf(MatchPicture part) {
  return kMatchPictureFiles[static_cast<std::size_t>(part)];
}

struct PictureSize {
  int width;
  int height;
};

// The size a match draws each picture at, and so the size it loads it at and
// a replay keeps it at: the background covers the field.
inline constexpr PictureSize DrawnSizeOf(MatchPicture part) {
  switch (part) {
    case MatchPicture::Background:
      return {Rally::FieldWidth, Rally::FieldHeight};
    case MatchPicture::WinBanner:
    case MatchPicture::LossBanner:
      return {Rally::BannerWidth, Rally::BannerHeight};
    case MatchPicture::BottomPaddle:
    case MatchPicture::TopPaddle:
      return {Rally::PaddlePictureWidth, Rally::PaddlePictureHeight};
    case MatchPicture::Ball:
      break;
  }
  return {Rally::BallSize, Rally::BallSize};
}

}  // namespace rallix
