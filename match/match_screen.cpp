#include "match/match_screen.h"

#include <algorithm>
#include <array>
#include <utility>

#include "rules/rally_rules.h"

namespace rallix {
namespace {

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
  backBufferCurrent_ = false;
  return *primary_;
}

void MatchScreen::DrawFrame(const Rect& bottomPaddle, const Rect& topPaddle, const Rect& ball) {
  const std::array<SpriteAt, kSprites> sprites{{{bottomPaddle, MatchPicture::BottomPaddle},
                                                {topPaddle, MatchPicture::TopPaddle},
                                                {ball, MatchPicture::Ball}}};
  std::array<SurfaceRect, kSprites> areas{};
  for (std::size_t i = 0; i < kSprites; ++i) {
    areas[i] = AreaOnField(sprites[i]);
  }
  if (!backBufferCurrent_) {
    DrawBackground(kField);
    DrawSprites(sprites);
    Flip();
  } else {
    // Everywhere but where a sprite was or is, the last frame already shows
    // the background: only those patches are drawn again, sprites in the
    // same order as ever, and only they are flipped.
    DirtyRegion patches;
    for (std::size_t i = 0; i < kSprites; ++i) {
      patches.Add(drawnAt_[i]);
      patches.Add(areas[i]);
    }
    for (const SurfaceRect& patch : patches.Rects()) {
      DrawBackground(patch);
    }
    DrawSprites(sprites);
    for (const SurfaceRect& patch : patches.Rects()) {
      primary_->Copy(patch, *backBuffer_, patch);
    }
  }
  drawnAt_ = areas;
  backBufferCurrent_ = true;
}

SurfaceRect MatchScreen::AreaOnField(const SpriteAt& sprite) const {
  const Surface& picture = pictures_.Get(sprite.part);
  return {std::clamp(sprite.at.left, 0, kField.right), std::clamp(sprite.at.top, 0, kField.bottom),
          std::clamp(sprite.at.left + picture.Width(), 0, kField.right),
          std::clamp(sprite.at.top + picture.Height(), 0, kField.bottom)};
}

void MatchScreen::DrawBackground(const SurfaceRect& area) {
  if (const Surface* background = pictures_.Find(MatchPicture::Background)) {
    backBuffer_->DrawSprite(area.left, area.top, *background, area, SpriteDraw::Opaque);
  } else {
    backBuffer_->Fill(area, kTransparentBlack);
  }
}

void MatchScreen::DrawSprites(const std::array<SpriteAt, kSprites>& sprites) {
  for (const SpriteAt& sprite : sprites) {
    DrawOnBackBuffer(sprite.at, sprite.part);
  }
}

void MatchScreen::ShowEnding(PassEnd end) {
  const MatchPicture banner =
      end == PassEnd::Win ? MatchPicture::WinBanner : MatchPicture::LossBanner;
  if ((end == PassEnd::Win || end == PassEnd::Loss) && pictures_.Find(banner) != nullptr) {
    DrawOnBackBuffer(kBannerAt, banner);
  }
  Flip();
  backBufferCurrent_ = false;  // the banner is not part of any frame
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
