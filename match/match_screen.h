#pragma once
// What a full-game match shows. The field is the top-left 800 x 600 of the
// screen: a primary surface the size of the screen (never smaller than the
// field) is what the window displays, and each frame is drawn into a back
// buffer of the same size and then copied over ("flipped"). Only the field is
// ever copied, so the rest of the screen stays the black it was made with.

#include <optional>

#include "core/rect.h"
#include "platform/video/display.h"
#include "rules/single_player_rally.h"

namespace rallix {

// The files the settings screens leave for a match, in the working directory.
namespace MatchFiles {
inline constexpr const char* BottomPaddle = "pal1.bmp";
inline constexpr const char* TopPaddle = "pal2.bmp";
inline constexpr const char* Ball = "cball.bmp";
inline constexpr const char* WinBanner = "yw.bmp";
inline constexpr const char* LossBanner = "yl.bmp";
inline constexpr const char* HitSound = "b.wav";
}  // namespace MatchFiles

// The single-player match shows a banner over its last picture; the
// two-player match, which names no winner, does not.
enum class MatchBanners { None, WinAndLoss };

class MatchScreen {
 public:
  // Reads the match's picture files at their fixed sizes, black see-through,
  // and leaves the files where they are: a missing or broken one raises
  // before any of them is gone.
  static MatchScreen LoadPictures(MatchBanners banners);
  // Removes the files LoadPictures read. The background picture is never read
  // by a full-game match and stays.
  static void DeletePictureFiles(MatchBanners banners);

  // Sizes the primary surface and the back buffer to the window, never below
  // the field, keeping the field's picture if they are made anew. The primary
  // keeps its address, so the window can go on showing it.
  Surface& FitTo(int windowWidth, int windowHeight);

  // One frame: the field cleared to black, the paddles and then the ball drawn
  // at their rectangles' top-left corners, then flipped; whatever lies past
  // the field's edges is cut off.
  void DrawFrame(const Rect& bottomPaddle, const Rect& topPaddle, const Rect& ball);
  // The ending pass draws no frame: the banner for a win or a loss, if this
  // screen has banners, goes over the frame last drawn, which is shown again.
  void ShowEnding(PassEnd end);

  // The ball as it was loaded, at its drawn size: which picture the player chose.
  Picture BallPicture() const { return ball_.ToPicture(); }

 private:
  struct Banners {
    Surface win;
    Surface loss;
  };
  MatchScreen(Surface bottomPaddle, Surface topPaddle, Surface ball,
              std::optional<Banners> banners);
  void DrawOnBackBuffer(int x, int y, const Surface& sprite);
  void Flip();

  Surface bottomPaddle_;
  Surface topPaddle_;
  Surface ball_;
  std::optional<Banners> banners_;
  std::optional<Surface> primary_;
  std::optional<Surface> backBuffer_;
};

}  // namespace rallix
