#pragma once
// What tells one match's screen from another's: what lies under the sprites,
// whether a win or a loss shows a banner, and how much of the window the
// match's picture covers.

#include "settings/match_files.h"

namespace rallix {

enum class MatchBackground {
  Black,    // every frame starts from a black field
  Picture,  // the background picture, stretched over the field
};

// The single-player matches show a banner over their last picture; the
// two-player match, which names no winner, does not.
enum class MatchBanners { None, WinAndLoss };

enum class MatchDisplay {
  Window,      // the field at the window's top-left; the form's colour beyond it
  FullScreen,  // a black picture the size of the screen, the field at its top-left
};

struct MatchLook {
  MatchBackground background = MatchBackground::Black;
  MatchBanners banners = MatchBanners::None;
  MatchDisplay display = MatchDisplay::FullScreen;

  // Whether a match with this look draws (and so reads) that picture.
  constexpr bool Draws(MatchPicture part) const {
    switch (part) {
      case MatchPicture::Background:
        return background == MatchBackground::Picture;
      case MatchPicture::WinBanner:
      case MatchPicture::LossBanner:
        return banners == MatchBanners::WinAndLoss;
      case MatchPicture::BottomPaddle:
      case MatchPicture::TopPaddle:
      case MatchPicture::Ball:
        return true;
    }
    return false;
  }
};

}  // namespace rallix
