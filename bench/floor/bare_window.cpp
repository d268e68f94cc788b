// The floor the game's windows are measured against: SDL2 alone, with no
// game around it, in a window of the same shape.
//
//   bare_window idle   SHAPE FONT   one line of red text, then only pumping
//                                   events sixty times a second
//   bare_window redraw SHAPE        the whole field redrawn, uploaded and
//                                   presented sixty times a second
//
// SHAPE is "maximized", "fullscreen" or WIDTHxHEIGHT. It runs until its
// window is closed or it is sent SIGTERM.

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "bench/floor/bare_redraw.h"

namespace {

constexpr int kFramesPerSecond = 60;
// Where the picture menu's title stands, so a probe looks in the same place.
constexpr SDL_Point kTextAt{472, 48};
constexpr int kTextPixels = 64;

int Fail(const char* what) {
  std::fprintf(stderr, "bare_window: %s: %s\n", what, SDL_GetError());
  return 1;
}

SDL_Window* OpenWindow(const std::string& shape) {
  int width = 800;
  int height = 600;
  Uint32 flags = SDL_WINDOW_RESIZABLE;
  if (shape == "maximized") {
    flags |= SDL_WINDOW_MAXIMIZED;
  } else if (shape == "fullscreen") {
    flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  } else if (std::sscanf(shape.c_str(), "%dx%d", &width, &height) != 2) {
    return nullptr;
  }
  return SDL_CreateWindow("Bare SDL2", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                          height, flags);
}

SDL_Renderer* OpenRenderer(SDL_Window* window) {
  // As the game asks: accelerated if there is one, vsync asked for afterwards.
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
  if (renderer == nullptr) {
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  }
  if (renderer != nullptr) {
    SDL_RenderSetVSync(renderer, 1);
  }
  return renderer;
}

enum class Pumped { Nothing, WindowChanged, Closed };

Pumped PumpEvents() {
  Pumped result = Pumped::Nothing;
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) {
    if (event.type == SDL_QUIT) {
      return Pumped::Closed;
    }
    if (event.type == SDL_WINDOWEVENT) {
      result = Pumped::WindowChanged;
    }
  }
  return result;
}

// Sleeps to the next sixtieth of a second, counted from the start.
class Pacer {
 public:
  void Wait() {
    ++frames_;
    const Uint64 due = start_ + frames_ * SDL_GetPerformanceFrequency() / kFramesPerSecond;
    const Uint64 now = SDL_GetPerformanceCounter();
    if (due > now) {
      SDL_Delay(static_cast<Uint32>((due - now) * 1000 / SDL_GetPerformanceFrequency()));
    }
  }

 private:
  Uint64 start_ = SDL_GetPerformanceCounter();
  Uint64 frames_ = 0;
};

int Idle(SDL_Renderer* renderer, const char* fontFile) {
  if (TTF_Init() != 0) {
    return Fail("cannot start SDL2_ttf");
  }
  TTF_Font* font = TTF_OpenFont(fontFile, kTextPixels);
  if (font == nullptr) {
    return Fail("cannot open the font");
  }
  SDL_Surface* text = TTF_RenderUTF8_Blended(font, "Rallix", SDL_Color{255, 0, 0, 255});
  SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, text);
  const SDL_Rect to{kTextAt.x, kTextAt.y, text->w, text->h};
  SDL_FreeSurface(text);
  const auto draw = [&] {
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, &to);
    SDL_RenderPresent(renderer);
  };
  draw();
  // Drawn again only when the window is shown, exposed or resized.
  Pacer pacer;
  for (Pumped pumped = PumpEvents(); pumped != Pumped::Closed; pumped = PumpEvents()) {
    if (pumped == Pumped::WindowChanged) {
      draw();
    }
    pacer.Wait();
  }
  SDL_DestroyTexture(texture);
  TTF_CloseFont(font);
  TTF_Quit();
  return 0;
}

int Redraw(SDL_Renderer* renderer) {
  int width = 0;
  int height = 0;
  SDL_GetRendererOutputSize(renderer, &width, &height);
  width = std::max(width, rallix::bench::BareRedraw::kFieldWidth);
  height = std::max(height, rallix::bench::BareRedraw::kFieldHeight);
  rallix::bench::BareRedraw frame(width, height);
  SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_XRGB8888,
                                           SDL_TEXTUREACCESS_STREAMING, width, height);
  Pacer pacer;
  for (int pass = 0; PumpEvents() != Pumped::Closed; ++pass) {
    const int sweep = pass % 700;
    frame.DrawFrame(sweep, sweep * 5 / 7, 700 - sweep);
    SDL_Surface* shown = frame.Shown();
    SDL_UpdateTexture(texture, nullptr, shown->pixels, shown->pitch);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
    pacer.Wait();
  }
  SDL_DestroyTexture(texture);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool idle = argc == 4 && std::strcmp(argv[1], "idle") == 0;
  const bool redraw = argc == 3 && std::strcmp(argv[1], "redraw") == 0;
  if (!idle && !redraw) {
    std::fprintf(stderr, "usage: bare_window idle SHAPE FONT | bare_window redraw SHAPE\n");
    return 2;
  }
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    return Fail("cannot start SDL");
  }
  SDL_Window* window = OpenWindow(argv[2]);
  SDL_Renderer* renderer = window != nullptr ? OpenRenderer(window) : nullptr;
  if (renderer == nullptr) {
    return Fail("cannot open the window");
  }
  const int status = idle ? Idle(renderer, argv[3]) : Redraw(renderer);
  SDL_DestroyRenderer(renderer);
  SDL_DestroyWindow(window);
  SDL_Quit();
  return status;
}
