#include "match/match_screen.h"

#include <algorithm>
#include <utility>

#include "platform/files/sequential_file.h"

namespace rallix {
namespace {

constexpr SurfaceRect kField{0, 0, Rally::FieldWidth, Rally::FieldHeight};

}  // namespace

MatchScreen::MatchScreen(Surface bottomPaddle, Surface topPaddle, Surface ball,
                         std::optional<Banners> banners)
    : bottomPaddle_(std::move(bottomPaddle)),
      topPaddle_(std::move(topPaddle)),
      ball_(std::move(ball)),
      banners_(std::move(banners)) {}

MatchScreen MatchScreen::LoadPictures(MatchBanners banners) {
  std::optional<Banners> loadedBanners;
  if (banners == MatchBanners::WinAndLoss) {
    loadedBanners =
        Banners{LoadSprite(MatchFiles::WinBanner, Rally::BannerWidth, Rally::BannerHeight),
                LoadSprite(MatchFiles::LossBanner, Rally::BannerWidth, Rally::BannerHeight)};
  }
  return MatchScreen(
      LoadSprite(MatchFiles::BottomPaddle, Rally::PaddlePictureWidth, Rally::PaddlePictureHeight),
      LoadSprite(MatchFiles::TopPaddle, Rally::PaddlePictureWidth, Rally::PaddlePictureHeight),
      LoadSprite(MatchFiles::Ball, Rally::BallSize, Rally::BallSize), std::move(loadedBanners));
}

void MatchScreen::DeletePictureFiles(MatchBanners banners) {
  if (banners == MatchBanners::WinAndLoss) {
    DeleteFile(MatchFiles::WinBanner);
    DeleteFile(MatchFiles::LossBanner);
  }
  DeleteFile(MatchFiles::BottomPaddle);
  DeleteFile(MatchFiles::TopPaddle);
  DeleteFile(MatchFiles::Ball);
}

Surface& MatchScreen::FitTo(int windowWidth, int windowHeight) {
  // A screen smaller than the field still gets the whole field drawn; the
  // window shows what fits.
  const int width = std::max(windowWidth, Rally::FieldWidth);
  const int height = std::max(windowHeight, Rally::FieldHeight);
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
  backBuffer_->Fill(kField, kTransparentBlack);
  DrawOnBackBuffer(bottomPaddle.left, bottomPaddle.top, bottomPaddle_);
  DrawOnBackBuffer(topPaddle.left, topPaddle.top, topPaddle_);
  DrawOnBackBuffer(ball.left, ball.top, ball_);
  Flip();
}

void MatchScreen::ShowEnding(PassEnd end) {
  if (banners_ && (end == PassEnd::Win || end == PassEnd::Loss)) {
    DrawOnBackBuffer(Rally::BannerX, Rally::BannerY,
                     end == PassEnd::Win ? banners_->win : banners_->loss);
  }
  Flip();
}

void MatchScreen::DrawOnBackBuffer(int x, int y, const Surface& sprite) {
  backBuffer_->DrawSprite(x, y, sprite, SurfaceRect{}, SpriteDraw::SourceColourKey);
}

void MatchScreen::Flip() {
  // Only the field is carried over: a ball rebounding from a side wall, or a
  // paddle flicked by the mouse, can stand partly past the field's edge, and
  // that part is never shown.
  primary_->Copy(kField, *backBuffer_, kField);
}

}  // namespace rallix
