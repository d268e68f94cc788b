#include "platform/video/game_window.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <map>
#include <optional>
#include <span>
#include <string_view>
#include <tuple>
#include <unordered_map>

#include "platform/detail/sdl_error.h"
#ifdef __EMSCRIPTEN__
#include "platform/video/web_page.h"
#endif

namespace rallix {
namespace {

constexpr const char* kSource = "Display";
constexpr int kDefaultRefresh = 60;
// Textures not drawn for this many frames are let go, so a screen that is
// gone does not keep its pictures on the graphics card.
constexpr int kTextureIdleFrames = 300;
constexpr std::size_t kTextCacheLimit = 512;

struct TextureFree {
  void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
};
using Texture = std::unique_ptr<SDL_Texture, TextureFree>;

struct FontFree {
  void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};

struct CachedTexture {
  Texture texture;
  int width = 0;
  int height = 0;
  long long lastUsedFrame = 0;
};

SDL_Rect ToSdl(const SurfaceRect& r) {
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::string WithoutCarriageReturns(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  std::copy_if(text.begin(), text.end(), std::back_inserter(out), [](char c) { return c != '\r'; });
  return out;
}

template <typename Key>
void DropIdle(std::map<Key, CachedTexture>& cache, long long frame) {
  std::erase_if(cache, [frame](const auto& entry) {
    return frame - entry.second.lastUsedFrame > kTextureIdleFrames;
  });
}

}  // namespace

struct GameWindow::Impl {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  bool ttfStarted = false;
  bool dummyVideo = false;
  WindowShape shape;
  long long frame = 0;

  std::map<const Surface*, CachedTexture> surfaceTextures;
  std::map<const Picture*, CachedTexture> pictureTextures;
  std::map<std::tuple<std::string, int, bool>, std::unique_ptr<TTF_Font, FontFree>> fonts;
  // Looked up with views of the label's own strings (std::less<>), so a
  // label drawn every frame costs no allocation once its text is cached.
  std::map<std::tuple<std::string, int, bool, int, int, std::string>, CachedTexture, std::less<>>
      texts;

  ~Impl() {
    surfaceTextures.clear();
    pictureTextures.clear();
    texts.clear();
    fonts.clear();
    if (renderer != nullptr) {
      SDL_DestroyRenderer(renderer);
    }
    if (window != nullptr) {
      SDL_DestroyWindow(window);
    }
    if (ttfStarted) {
      TTF_Quit();
    }
  }

  TTF_Font* Font(const FontSpec& fontSpec) {
    const ResolvedFont resolved = ResolveFont(fontSpec.family, fontSpec.bold);
    const int pixels = PointsToPixels(fontSpec.points);
    const bool syntheticBold = fontSpec.bold && !resolved.isBoldFace;
    auto key = std::make_tuple(resolved.file.string(), pixels, syntheticBold);
    auto it = fonts.find(key);
    if (it == fonts.end()) {
      TTF_Font* font = detail::CheckSdl(TTF_OpenFont(resolved.file.c_str(), pixels), kSource,
                                        "cannot open the font " + resolved.file.string());
      if (syntheticBold) {
        TTF_SetFontStyle(font, TTF_STYLE_BOLD);
      }
      it = fonts.emplace(key, std::unique_ptr<TTF_Font, FontFree>(font)).first;
    }
    return it->second.get();
  }

  CachedTexture& Text(const std::string& text, const FontSpec& fontSpec, int wrapWidth,
                      TextAlign align) {
    const auto key =
        std::make_tuple(std::string_view(fontSpec.family), PointsToPixels(fontSpec.points),
                        fontSpec.bold, wrapWidth, static_cast<int>(align), std::string_view(text));
    auto it = texts.find(key);
    if (it != texts.end()) {
      return it->second;
    }
    if (texts.size() > kTextCacheLimit) {
      texts.clear();
    }
    TTF_Font* font = Font(fontSpec);
    TTF_SetFontWrappedAlign(font, align == TextAlign::Centre  ? TTF_WRAPPED_ALIGN_CENTER
                                  : align == TextAlign::Right ? TTF_WRAPPED_ALIGN_RIGHT
                                                              : TTF_WRAPPED_ALIGN_LEFT);
    // Drawn white once; the colour is applied when it is drawn, so a blinking
    // label reuses one texture.
    std::unique_ptr<SDL_Surface, detail::SurfaceFree> rendered(detail::CheckSdl(
        TTF_RenderUTF8_Blended_Wrapped(font, WithoutCarriageReturns(text).c_str(),
                                       SDL_Color{255, 255, 255, 255}, std::max(wrapWidth, 1)),
        kSource, "cannot draw the text \"" + text + "\""));
    Texture texture(detail::CheckSdl(SDL_CreateTextureFromSurface(renderer, rendered.get()),
                                     kSource, "cannot make a text texture"));
    CachedTexture cached{std::move(texture), rendered->w, rendered->h, frame};
    return texts
        .emplace(std::make_tuple(fontSpec.family, std::get<1>(key), fontSpec.bold, wrapWidth,
                                 static_cast<int>(align), text),
                 std::move(cached))
        .first->second;
  }
};

GameWindow::GameWindow(bool headless) : impl_(std::make_unique<Impl>()) {
  const char* driver = SDL_GetCurrentVideoDriver();
  impl_->dummyVideo = driver != nullptr && std::string(driver) == "dummy";
  // Made where a maximized form will have it: both programs start on one,
  // and a window moved or sized later waits for the window manager to agree.
  SDL_Rect at{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600};
  if (SDL_Rect usable; !headless && SDL_GetDisplayUsableBounds(0, &usable) == 0) {
    at = usable;
  }
  const auto open = [&at](Uint32 flags) {
    return SDL_CreateWindow("Rallix", at.x, at.y, at.w, at.h,
                            SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN | flags);
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
  detail::CheckSdl(TTF_Init(), kSource, "cannot start the font renderer");
  impl_->ttfStarted = true;
}

GameWindow::~GameWindow() = default;

void GameWindow::TakeShape(const WindowShape& shape) {
  SDL_Window* w = impl_->window;
#ifdef __EMSCRIPTEN__
  // A page has no window manager, and full screen only after a gesture.
  TakeShapeInPage(w, shape);
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
      // Sizing a window the window manager has already maximized makes it
      // redraw the client area offset by the title bar: leave it alone.
      const bool alreadyMaximized = (SDL_GetWindowFlags(w) & SDL_WINDOW_MAXIMIZED) != 0;
      if (!alreadyMaximized &&
          SDL_GetDisplayUsableBounds(std::max(SDL_GetWindowDisplayIndex(w), 0), &usable) == 0) {
        // Without a window manager maximizing does nothing; sizing to the
        // usable area gives the same picture.
        SDL_SetWindowPosition(w, usable.x, usable.y);
        SDL_SetWindowSize(w, usable.w, usable.h);
      }
      SDL_MaximizeWindow(w);
    } else {
      SDL_RestoreWindow(w);
      SDL_SetWindowSize(w, shape.clientWidth, shape.clientHeight);
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
  return w;
}

int GameWindow::Height() const {
  int w = 0;
  int h = 0;
  SDL_GetRendererOutputSize(impl_->renderer, &w, &h);
  return h;
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
  const int w = Width();
  const int h = Height();
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
  const SDL_Rect r = ToSdl(area);
  SDL_SetRenderDrawColor(impl_->renderer, colour.r, colour.g, colour.b, 255);
  SDL_RenderFillRect(impl_->renderer, &r);
}

void GameWindow::DrawOutline(const SurfaceRect& area, Rgb colour, int thickness) {
  SDL_SetRenderDrawColor(impl_->renderer, colour.r, colour.g, colour.b, 255);
  for (int i = 0; i < thickness; ++i) {
    const SDL_Rect r{area.left + i, area.top + i, area.right - area.left - 2 * i,
                     area.bottom - area.top - 2 * i};
    SDL_RenderDrawRect(impl_->renderer, &r);
  }
}

void GameWindow::DrawText(const std::string& text, const FontSpec& font, const SurfaceRect& box,
                          Rgb colour, TextAlign align) {
  if (text.empty()) {
    return;
  }
  const int boxWidth = box.right - box.left;
  const int boxHeight = box.bottom - box.top;
  CachedTexture& cached = impl_->Text(text, font, boxWidth, align);
  cached.lastUsedFrame = impl_->frame;
  const int shownWidth = std::min(cached.width, boxWidth);
  const int shownHeight = std::min(cached.height, boxHeight);
  int x = box.left;
  if (align == TextAlign::Centre) {
    x += (boxWidth - shownWidth) / 2;
  } else if (align == TextAlign::Right) {
    x += boxWidth - shownWidth;
  }
  const SDL_Rect from{0, 0, shownWidth, shownHeight};
  const SDL_Rect to{x, box.top, shownWidth, shownHeight};
  SDL_SetTextureColorMod(cached.texture.get(), colour.r, colour.g, colour.b);
  SDL_RenderCopy(impl_->renderer, cached.texture.get(), &from, &to);
}

int GameWindow::MeasureText(const std::string& text, const FontSpec& font) {
  if (text.empty()) {
    return 0;
  }
  int width = 0;
  TTF_SizeUTF8(impl_->Font(font), text.c_str(), &width, nullptr);
  return width;
}

void GameWindow::DrawPicture(const Picture& picture, const SurfaceRect& box) {
  if (picture.Empty()) {
    return;
  }
  auto it = impl_->pictureTextures.find(&picture);
  if (it == impl_->pictureTextures.end() || it->second.width != picture.width ||
      it->second.height != picture.height) {
    std::unique_ptr<SDL_Surface, detail::SurfaceFree> staging(detail::CheckSdl(
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<Rgb*>(picture.pixels.data()), picture.width,
                                           picture.height, 24, picture.width * 3,
                                           SDL_PIXELFORMAT_RGB24),
        kSource, "cannot stage a picture"));
    Texture texture(detail::CheckSdl(SDL_CreateTextureFromSurface(impl_->renderer, staging.get()),
                                     kSource, "cannot make a picture texture"));
    SDL_SetTextureScaleMode(texture.get(), SDL_ScaleModeLinear);
    it = impl_->pictureTextures
             .insert_or_assign(&picture, CachedTexture{std::move(texture), picture.width,
                                                       picture.height, impl_->frame})
             .first;
  }
  it->second.lastUsedFrame = impl_->frame;
  const SDL_Rect to = ToSdl(box);
  SDL_RenderCopy(impl_->renderer, it->second.texture.get(), nullptr, &to);
}

void GameWindow::Forget(const Surface& surface) {
  impl_->surfaceTextures.erase(&surface);
}

std::size_t GameWindow::TextureCount() const {
  return impl_->surfaceTextures.size() + impl_->pictureTextures.size() + impl_->texts.size();
}

void GameWindow::DrawSurface(Surface& surface, const SurfaceRect& part) {
  SDL_Surface* native = surface.Native();
  auto it = impl_->surfaceTextures.find(&surface);
  const DirtyRegion changed = surface.TakeDirtyRegion();
  const bool fresh = it == impl_->surfaceTextures.end() || it->second.width != native->w ||
                     it->second.height != native->h;
  if (fresh) {
    Texture texture(
        detail::CheckSdl(SDL_CreateTexture(impl_->renderer, SDL_PIXELFORMAT_XRGB8888,
                                           SDL_TEXTUREACCESS_STREAMING, native->w, native->h),
                         kSource, "cannot make a screen texture"));
    it = impl_->surfaceTextures
             .insert_or_assign(
                 &surface, CachedTexture{std::move(texture), native->w, native->h, impl_->frame})
             .first;
  }
  // Only what changed goes to the graphics card: a match frame is a few
  // small patches where the sprites were and are.
  if (fresh || !changed.Empty()) {
    detail::CheckSdl(SDL_LockSurface(native), kSource, "cannot read a surface");
    int status = 0;
    const SurfaceRect whole{0, 0, native->w, native->h};
    for (const SurfaceRect& patch : fresh ? std::span(&whole, 1) : changed.Rects()) {
      const SDL_Rect r = ToSdl(patch);
      const auto* first = static_cast<const Uint8*>(native->pixels) + r.y * native->pitch + r.x * 4;
      status = status != 0 ? status
                           : SDL_UpdateTexture(it->second.texture.get(), &r, first, native->pitch);
    }
    SDL_UnlockSurface(native);
    detail::CheckSdl(status, kSource, "cannot update the screen texture");
  }
  it->second.lastUsedFrame = impl_->frame;
  // Only the part asked for is drawn: a full-screen match's surface is
  // mostly black border, which clearing the frame has drawn already, and a
  // software renderer pays for every pixel it copies.
  const SDL_Rect shown = part.IsWhole() ? SDL_Rect{0, 0, native->w, native->h} : ToSdl(part);
  SDL_RenderCopy(impl_->renderer, it->second.texture.get(), &shown, &shown);
}

}  // namespace rallix
