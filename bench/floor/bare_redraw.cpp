#include "bench/floor/bare_redraw.h"

#include <stdexcept>
#include <string>

namespace rallix::bench {
namespace {

constexpr int kPaddleWidth = 100;
constexpr int kPaddleHeight = 20;
constexpr int kBallSize = 40;
constexpr int kTopPaddleY = 10;
constexpr int kBottomPaddleY = 570;

OwnedSurface Make(int width, int height) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_XRGB8888);
  if (s == nullptr) {
    throw std::runtime_error(std::string("cannot make a surface: ") + SDL_GetError());
  }
  return OwnedSurface(s);
}

// A sprite: a filled shape on black, black see-through, encoded for quick
// keyed blits just as the game's sprites are.
OwnedSurface Sprite(int width, int height, Uint8 r, Uint8 g, Uint8 b, bool round) {
  OwnedSurface s = Make(width, height);
  const Uint32 colour = SDL_MapRGB(s->format, r, g, b);
  SDL_LockSurface(s.get());
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
    for (int x = 0; x < width; ++x) {
      const int dx = 2 * x - width + 1;
      const int dy = 2 * y - height + 1;
      row[x] = !round || dx * dx + dy * dy <= width * width ? colour : 0;
    }
  }
  SDL_UnlockSurface(s.get());
  SDL_SetColorKey(s.get(), SDL_TRUE, 0);
  SDL_SetSurfaceRLE(s.get(), 1);
  return s;
}

}  // namespace

BareRedraw::BareRedraw(int shownWidth, int shownHeight)
    : background_(Make(kFieldWidth, kFieldHeight)),
      paddle_(Sprite(kPaddleWidth, kPaddleHeight, 200, 200, 210, false)),
      ball_(Sprite(kBallSize, kBallSize, 40, 90, 220, true)),
      backBuffer_(Make(kFieldWidth, kFieldHeight)),
      shown_(Make(shownWidth, shownHeight)) {
  // A background with detail in every row, so no blit can take a shortcut.
  SDL_LockSurface(background_.get());
  for (int y = 0; y < kFieldHeight; ++y) {
    auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(background_->pixels) +
                                          y * background_->pitch);
    for (int x = 0; x < kFieldWidth; ++x) {
      row[x] = SDL_MapRGB(background_->format, static_cast<Uint8>(x), static_cast<Uint8>(y),
                          static_cast<Uint8>(x ^ y));
    }
  }
  SDL_UnlockSurface(background_.get());
}

void BareRedraw::DrawFrame(int ballX, int ballY, int paddleX) {
  SDL_BlitSurface(background_.get(), nullptr, backBuffer_.get(), nullptr);
  SDL_Rect bottom{paddleX, kBottomPaddleY, 0, 0};
  SDL_BlitSurface(paddle_.get(), nullptr, backBuffer_.get(), &bottom);
  SDL_Rect top{kFieldWidth - paddleX - kPaddleWidth, kTopPaddleY, 0, 0};
  SDL_BlitSurface(paddle_.get(), nullptr, backBuffer_.get(), &top);
  SDL_Rect ball{ballX, ballY, 0, 0};
  SDL_BlitSurface(ball_.get(), nullptr, backBuffer_.get(), &ball);
  SDL_BlitSurface(backBuffer_.get(), nullptr, shown_.get(), nullptr);
}

}  // namespace rallix::bench
