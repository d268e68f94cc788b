#pragma once
// What the window's source files share: its SDL objects, the texture caches
// and the font cache. Included only by platform/video/game_window*.cpp.

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>

#include "platform/detail/sdl_error.h"
#include "platform/video/game_window.h"

namespace rallix {
namespace game_window_detail {

inline constexpr const char* kSource = "Display";
inline constexpr int kDefaultRefresh = 60;
// Textures not drawn for this many frames are let go, so a screen that is
// gone does not keep its pictures on the graphics card.
inline constexpr int kTextureIdleFrames = 300;
inline constexpr std::size_t kTextCacheLimit = 512;

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

inline SDL_Rect ToSdl(const SurfaceRect& r) {
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

inline std::string WithoutCarriageReturns(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  std::copy_if(text.begin(), text.end(), std::back_inserter(out), [](char c) { return c != '\r'; });
  return out;
}

template <typename Key>
inline void DropIdle(std::map<Key, CachedTexture>& cache, long long frame) {
  std::erase_if(cache, [frame](const auto& entry) {
    return frame - entry.second.lastUsedFrame > kTextureIdleFrames;
  });
}

}  // namespace game_window_detail

using namespace game_window_detail;

struct GameWindow::Impl {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  bool ttfStarted = false;
  bool dummyVideo = false;
  WindowShape shape;
  long long frame = 0;
  // Screen pixels per form pixel, and per window unit (see WindowPixelRatio).
  int scale = 1;
  double pixelRatio = 1;
  std::string scaleWarning;
  // Screen pixels of mouse motion not yet a whole form pixel.
  int motionLeftX = 0;
  int motionLeftY = 0;
  SharperPicture sharper;
  // The answer for each picture asked about, null for none: asked once, not
  // every frame it is drawn.
  std::map<const Picture*, const Picture*> sharperOf;

  const Picture& ShownFor(const Picture& given) {
    if (scale == 1 || !sharper) {
      return given;
    }
    auto it = sharperOf.find(&given);
    if (it == sharperOf.end()) {
      it = sharperOf.emplace(&given, sharper(given, scale)).first;
    }
    return it->second != nullptr ? *it->second : given;
  }

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

  // A form's area on the screen.
  SDL_Rect OnScreen(const SurfaceRect& r) const {
    return {r.left * scale, r.top * scale, (r.right - r.left) * scale, (r.bottom - r.top) * scale};
  }

  // Text is rendered at the screen's own size, never blown up from a smaller one.
  int FontPixels(const FontChoice& fontChoice) const {
    return PointsToPixels(fontChoice.points) * scale;
  }

  TTF_Font* Font(const FontChoice& fontChoice) {
    const ResolvedFont resolved = ResolveFont(fontChoice.family, fontChoice.bold);
    const int pixels = FontPixels(fontChoice);
    const bool syntheticBold = fontChoice.bold && !resolved.isBoldFace;
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

  // wrapWidth 0: one line, whatever its length (only line ends break it).
  CachedTexture& Text(const std::string& text, const FontChoice& fontChoice, int wrapWidth,
                      TextAlign align) {
    const auto key = std::make_tuple(std::string_view(fontChoice.family), FontPixels(fontChoice),
                                     fontChoice.bold, wrapWidth, static_cast<int>(align),
                                     std::string_view(text));
    auto it = texts.find(key);
    if (it != texts.end()) {
      return it->second;
    }
    if (texts.size() > kTextCacheLimit) {
      texts.clear();
    }
    TTF_Font* font = Font(fontChoice);
    TTF_SetFontWrappedAlign(font, align == TextAlign::Centre  ? TTF_WRAPPED_ALIGN_CENTER
                                  : align == TextAlign::Right ? TTF_WRAPPED_ALIGN_RIGHT
                                                              : TTF_WRAPPED_ALIGN_LEFT);
    // Drawn white once; the colour is applied when it is drawn, so a blinking
    // label reuses one texture.
    std::unique_ptr<SDL_Surface, detail::SurfaceFree> rendered(detail::CheckSdl(
        TTF_RenderUTF8_Blended_Wrapped(font, WithoutCarriageReturns(text).c_str(),
                                       SDL_Color{255, 255, 255, 255}, std::max(wrapWidth, 0)),
        kSource, "cannot draw the text \"" + text + "\""));
    Texture texture(detail::CheckSdl(SDL_CreateTextureFromSurface(renderer, rendered.get()),
                                     kSource, "cannot make a text texture"));
    CachedTexture cached{std::move(texture), rendered->w, rendered->h, frame};
    return texts
        .emplace(std::make_tuple(fontChoice.family, std::get<1>(key), fontChoice.bold, wrapWidth,
                                 static_cast<int>(align), text),
                 std::move(cached))
        .first->second;
  }
};

}  // namespace rallix
