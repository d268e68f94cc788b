#pragma once
// The floor a match frame is measured against: the same blits done with
// SDL2 alone, as a loop with no game around it would do them each frame.
// The background over the whole back buffer, the two paddles and the ball
// colour-keyed on top, and the back buffer copied to the surface shown.

#include <SDL.h>

#include <memory>

namespace rallix::bench {

struct SurfaceFree {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using OwnedSurface = std::unique_ptr<SDL_Surface, SurfaceFree>;

class BareRedraw {
 public:
  static constexpr int kFieldWidth = 800;
  static constexpr int kFieldHeight = 600;

  // `shownWidth` x `shownHeight`: the surface the window shows, at least the field.
  BareRedraw(int shownWidth, int shownHeight);

  // One whole frame with the ball's top-left at (ballX, ballY) and the
  // bottom paddle's left at paddleX.
  void DrawFrame(int ballX, int ballY, int paddleX);
  SDL_Surface* Shown() const { return shown_.get(); }

 private:
  OwnedSurface background_;
  OwnedSurface paddle_;
  OwnedSurface ball_;
  OwnedSurface backBuffer_;
  OwnedSurface shown_;
};

}  // namespace rallix::bench
