#include "match/match_screen.h"

#include <algorithm>
#include <utility>

#include "rules/rally_rules.h"

namespace rallix {
namespace {

constexpr SurfaceRect kField{0, 0, Rally::FieldWidth, Rally::FieldHeight};
constexpr Rect kBannerAt{Rally::BannerX, Rally::BannerY, Rally::BannerX + Rally::BannerWidth,
                         Rally::BannerY + Rally::BannerHeight};

}  // namespace

MatchScreen::MatchScreen(const MatchLook& look, MatchPictures pictures)
    : look_(look), pictures_(std::move(pictures)) {}

Surface& MatchScreen::FitTo(int windowWidth, int windowHeight) {
  // A screen smaller than the field still gets the whole field drawn; the
  // window shows what fits.
  const bool wholeWindow = look_.display == MatchDisplay::FullScreen;
  const int width = wholeWindow ? std::max(windowWidth, Rally::FieldWidth) : Rally::FieldWidth;
  const int height = wholeWindow ? std::max(windowHeight, Rally::FieldHeight) : Rally::FieldHeight;
  if (primary_ && primary_->Width() == width && primary_->Height() == height) {
    return *primary_;
  }
  Surface primary = Surface::Create(width, height);
  Surface backBuffer = Surface::Create(width, height);
  if (primary_) {
    // The window changed size mid-match (a late full-screen switch, say):
    // keep what is on the field, so a paused or ending match still shows it.
    primary.Copy(kField, *primary_, kField);
    backBuffer.Copy(kField, *backBuffer_, kField);
    *primary_ = std::move(primary);
    *backBuffer_ = std::move(backBuffer);
  } else {
    primary_.emplace(std::move(primary));
    backBuffer_.emplace(std::move(backBuffer));
  }
  return *primary_;
}

void MatchScreen::DrawFrame(const Rect& bottomPaddle, const Rect& topPaddle, const Rect& ball) {
  if (const Surface* background = pictures_.Find(MatchPicture::Background)) {
    backBuffer_->DrawSprite(0, 0, *background, SurfaceRect{}, SpriteDraw::Opaque);
  } else {
    backBuffer_->Fill(kField, kTransparentBlack);
  }
  DrawOnBackBuffer(bottomPaddle, MatchPicture::BottomPaddle);
  DrawOnBackBuffer(topPaddle, MatchPicture::TopPaddle);
  DrawOnBackBuffer(ball, MatchPicture::Ball);
  Flip();
}

void MatchScreen::ShowEnding(PassEnd end) {
  const MatchPicture banner =
      end == PassEnd::Win ? MatchPicture::WinBanner : MatchPicture::LossBanner;
  if ((end == PassEnd::Win || end == PassEnd::Loss) && pictures_.Find(banner) != nullptr) {
    DrawOnBackBuffer(kBannerAt, banner);
  }
  Flip();
}

void MatchScreen::DrawOnBackBuffer(const Rect& at, MatchPicture part) {
  backBuffer_->DrawSprite(at.left, at.top, pictures_.Get(part), SurfaceRect{},
                          SpriteDraw::SourceColourKey);
}

void MatchScreen::Flip() {
  // Only the field is carried over: a ball rebounding from a side wall, or a
  // paddle flicked by the mouse, can stand partly past the field's edge, and
  // that part is never shown.
  primary_->Copy(kField, *backBuffer_, kField);
}

}  // namespace rallix
