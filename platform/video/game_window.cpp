#include "platform/video/game_window.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <span>
#include <string_view>
#include <tuple>
#include <unordered_map>

#include "platform/detail/sdl_error.h"
#include "platform/video/display_scale_hints.h"
#include "platform/video/game_window_impl.h"
#ifdef __EMSCRIPTEN__
#include "platform/video/web_page.h"
#endif

namespace rallix {

GameWindow::GameWindow(bool headless, std::optional<int> scale) : impl_(std::make_unique<Impl>()) {
  const char* driver = SDL_GetCurrentVideoDriver();
  impl_->dummyVideo = driver != nullptr && std::string(driver) == "dummy";
  // Made where a maximized form will have it: both programs start on one,
  // and a window moved or sized later waits for the window manager to agree.
  SDL_Rect at{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600};
  if (SDL_Rect usable; !headless && SDL_GetDisplayUsableBounds(0, &usable) == 0) {
    at = usable;
  }
  const auto open = [&at](Uint32 flags) {
    // Where the window system scales windows itself, a window of screen
    // pixels rather than one it blows up.
    return SDL_CreateWindow(
        "Rallix", at.x, at.y, at.w, at.h,
        SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI | flags);
  };
  // The accelerated renderer SDL tries first draws with OpenGL: a window
  // made for it at once is not made a second time when the renderer starts,
  // which costs start-up a window. Without OpenGL, a plain window.
  if (!headless) {
    impl_->window = open(SDL_WINDOW_OPENGL);
  }
  if (impl_->window == nullptr) {
    impl_->window = detail::CheckSdl(open(0), kSource, "cannot open the window");
  }
  if (!headless) {
    impl_->renderer = SDL_CreateRenderer(impl_->window, -1, SDL_RENDERER_ACCELERATED);
  }
  if (impl_->renderer == nullptr) {
    impl_->renderer = detail::CheckSdl(SDL_CreateRenderer(impl_->window, -1, SDL_RENDERER_SOFTWARE),
                                       kSource, "cannot create a renderer");
  }
  if (!headless) {
    // The creation flag is not honoured by every renderer; asking afterwards is.
    SDL_RenderSetVSync(impl_->renderer, 1);
  }
  impl_->pixelRatio = WindowPixelRatio(impl_->window, impl_->renderer);
  if (scale) {
    impl_->scale = *scale;
  } else if (!headless) {
    const DisplayScale chosen =
        ChooseDisplayScale(ReadDisplayScaleHints(impl_->window, impl_->renderer));
    impl_->scale = chosen.scale;
    impl_->scaleWarning = chosen.warning;
  }
  detail::CheckSdl(TTF_Init(), kSource, "cannot start the font renderer");
  impl_->ttfStarted = true;
}

GameWindow::~GameWindow() = default;

void GameWindow::TakeShape(const WindowShape& shape) {
  SDL_Window* w = impl_->window;
#ifdef __EMSCRIPTEN__
  // A page has no window manager, and full screen only after a gesture. The
  // page sizes its canvas in its own (CSS) pixels.
  WindowShape inPagePixels = shape;
  const SurfaceRect client = WindowAreaOf({0, 0, shape.clientWidth, shape.clientHeight});
  inPagePixels.clientWidth = client.right;
  inPagePixels.clientHeight = client.bottom;
  TakeShapeInPage(w, inPagePixels);
  impl_->shape = shape;
  return;
#endif
  SDL_SetWindowTitle(w, shape.caption.c_str());
  if (shape.state == WindowState::FullScreen) {
    // The desktop's own mode: the display mode is never changed.
    SDL_SetWindowFullscreen(w, SDL_WINDOW_FULLSCREEN_DESKTOP);
  } else {
    SDL_SetWindowFullscreen(w, 0);
    if (shape.state == WindowState::Maximized) {
      SDL_Rect usable;
      SDL_Rect now;
      SDL_GetWindowPosition(w, &now.x, &now.y);
      SDL_GetWindowSize(w, &now.w, &now.h);
      // Sizing a window the window manager has already maximized makes it
      // redraw the client area offset by the title bar: leave it alone.
      const bool alreadyMaximized = (SDL_GetWindowFlags(w) & SDL_WINDOW_MAXIMIZED) != 0;
      if (!alreadyMaximized &&
          SDL_GetDisplayUsableBounds(std::max(SDL_GetWindowDisplayIndex(w), 0), &usable) == 0 &&
          !SDL_RectEquals(&usable, &now)) {
        // Without a window manager maximizing does nothing; sizing to the
        // usable area gives the same picture. A window already there (made
        // there, for the first screen) is not moved, which would wait on
        // the window manager.
        SDL_SetWindowPosition(w, usable.x, usable.y);
        SDL_SetWindowSize(w, usable.w, usable.h);
      }
      SDL_MaximizeWindow(w);
    } else {
      SDL_RestoreWindow(w);
      const SurfaceRect client = WindowAreaOf({0, 0, shape.clientWidth, shape.clientHeight});
      SDL_SetWindowSize(w, client.right, client.bottom);
      SDL_SetWindowPosition(w, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
  }
  SDL_ShowWindow(w);
  SDL_RaiseWindow(w);
  impl_->shape = shape;
}

int GameWindow::Width() const {
  int w = 0;
  int h = 0;
  SDL_GetRendererOutputSize(impl_->renderer, &w, &h);
  return w / impl_->scale;
}

int GameWindow::Height() const {
  int w = 0;
  int h = 0;
  SDL_GetRendererOutputSize(impl_->renderer, &w, &h);
  return h / impl_->scale;
}

int GameWindow::Scale() const {
  return impl_->scale;
}

const std::string& GameWindow::ScaleWarning() const {
  return impl_->scaleWarning;
}

namespace {

// Whole form pixels in `screen` pixels, the rest kept in `left` for the next
// motion: rounded toward minus infinity, so a move back undoes a move forth.
int WholeFormPixels(int screen, int scale, int& left) {
  const int total = left + screen;
  int whole = total / scale;
  if (total % scale < 0) {
    --whole;
  }
  left = total - whole * scale;
  return whole;
}

}  // namespace

SurfacePoint GameWindow::FormPointAt(int x, int y) const {
  const double formPerUnit = impl_->pixelRatio / impl_->scale;
  return {static_cast<int>(std::floor(x * formPerUnit)),
          static_cast<int>(std::floor(y * formPerUnit))};
}

SurfacePoint GameWindow::FormMotion(int dx, int dy) {
  const auto screen = [this](int units) {
    return static_cast<int>(std::lround(units * impl_->pixelRatio));
  };
  return {WholeFormPixels(screen(dx), impl_->scale, impl_->motionLeftX),
          WholeFormPixels(screen(dy), impl_->scale, impl_->motionLeftY)};
}

SurfaceRect GameWindow::WindowAreaOf(const SurfaceRect& formArea) const {
  const double unitsPerForm = impl_->scale / impl_->pixelRatio;
  const auto units = [unitsPerForm](int form) {
    return static_cast<int>(std::lround(form * unitsPerForm));
  };
  return {units(formArea.left), units(formArea.top), units(formArea.right), units(formArea.bottom)};
}

void GameWindow::DrawSharperWith(SharperPicture sharper) {
  impl_->sharper = std::move(sharper);
}

int GameWindow::RefreshRate() const {
  SDL_DisplayMode mode;
  if (SDL_GetWindowDisplayMode(impl_->window, &mode) == 0 && mode.refresh_rate > 0) {
    return mode.refresh_rate;
  }
  return kDefaultRefresh;
}

bool GameWindow::HasFocus() const {
  return (SDL_GetWindowFlags(impl_->window) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

void GameWindow::BeginFrame(Rgb background) {
  ++impl_->frame;
  if (impl_->frame % kTextureIdleFrames == 0) {
    DropIdle(impl_->surfaceTextures, impl_->frame);
    DropIdle(impl_->pictureTextures, impl_->frame);
  }
  SDL_RenderSetClipRect(impl_->renderer, nullptr);
  SDL_SetRenderDrawColor(impl_->renderer, background.r, background.g, background.b, 255);
  SDL_RenderClear(impl_->renderer);
}

void GameWindow::Present() {
  SDL_RenderPresent(impl_->renderer);
}

Picture GameWindow::ReadPixels() {
  int w = 0;
  int h = 0;
  SDL_GetRendererOutputSize(impl_->renderer, &w, &h);
  std::vector<Uint32> pixels(static_cast<std::size_t>(w) * h);
  detail::CheckSdl(SDL_RenderReadPixels(impl_->renderer, nullptr, SDL_PIXELFORMAT_XRGB8888,
                                        pixels.data(), w * 4),
                   kSource, "cannot read the frame back");
  Picture picture(w, h);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const Uint32 p = pixels[i];
    picture.pixels[i] = Rgb{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                            static_cast<std::uint8_t>(p)};
  }
  return picture;
}

void GameWindow::GiveBackDisplay() {
  SDL_SetWindowFullscreen(impl_->window, 0);
}

void GameWindow::ShowMessage(const std::string& title, const std::string& text) {
#ifdef __EMSCRIPTEN__
  ShowNoticeOnPage(title, text, /*failure=*/true);
  return;
#endif
  if (impl_->dummyVideo) {
    return;  // nobody could see it; stderr has the report
  }
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), impl_->window);
}

void GameWindow::FillRect(const SurfaceRect& area, Rgb colour) {
  const SDL_Rect r = impl_->OnScreen(area);
  SDL_SetRenderDrawColor(impl_->renderer, colour.r, colour.g, colour.b, 255);
  SDL_RenderFillRect(impl_->renderer, &r);
}

void GameWindow::DrawOutline(const SurfaceRect& area, Rgb colour, int thickness) {
  SDL_SetRenderDrawColor(impl_->renderer, colour.r, colour.g, colour.b, 255);
  const SDL_Rect outer = impl_->OnScreen(area);
  for (int i = 0; i < thickness * impl_->scale; ++i) {
    const SDL_Rect r{outer.x + i, outer.y + i, outer.w - 2 * i, outer.h - 2 * i};
    SDL_RenderDrawRect(impl_->renderer, &r);
  }
}

namespace {

// How far past its box a one-line text may run: an eighth of the box.
constexpr int kOneLineOverrunDivisor = 8;

}  // namespace

void GameWindow::DrawText(const std::string& text, const FontChoice& font, const SurfaceRect& box,
                          Rgb colour, TextAlign align) {
  if (text.empty()) {
    return;
  }
  const SDL_Rect onScreen = impl_->OnScreen(box);
  const int boxWidth = onScreen.w;
  const int boxHeight = onScreen.h;
  // A box too low for a second line is drawn on one line: wrapped, the rest
  // would be cut off below it. Fonts measure a pixel or two apart from one
  // build of the font libraries to another, so a line that just fits here
  // may be a little wider elsewhere: it may run a little past its box.
  const bool oneLine = boxHeight < 2 * TTF_FontLineSkip(impl_->Font(font));
  CachedTexture& cached = impl_->Text(text, font, oneLine ? 0 : std::max(boxWidth, 1), align);
  cached.lastUsedFrame = impl_->frame;
  const int shownWidth =
      std::min(cached.width, oneLine ? boxWidth + boxWidth / kOneLineOverrunDivisor : boxWidth);
  const int shownHeight = std::min(cached.height, boxHeight);
  int x = onScreen.x;
  if (align == TextAlign::Centre) {
    x += (boxWidth - shownWidth) / 2;
  } else if (align == TextAlign::Right) {
    x += boxWidth - shownWidth;
  }
  const SDL_Rect from{0, 0, shownWidth, shownHeight};
  const SDL_Rect to{x, onScreen.y, shownWidth, shownHeight};
  SDL_SetTextureColorMod(cached.texture.get(), colour.r, colour.g, colour.b);
  SDL_RenderCopy(impl_->renderer, cached.texture.get(), &from, &to);
}

int GameWindow::MeasureText(const std::string& text, const FontChoice& font) {
  if (text.empty()) {
    return 0;
  }
  int width = 0;
  TTF_SizeUTF8(impl_->Font(font), text.c_str(), &width, nullptr);
  return (width + impl_->scale - 1) / impl_->scale;
}

}  // namespace rallix
