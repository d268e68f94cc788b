#include "platform/video/display.h"

#include <SDL.h>

#include <algorithm>
#include <system_error>
#include <utility>

#include "platform/detail/bitmap_header.h"
#include "platform/detail/sdl_error.h"

namespace rallix {
namespace {

constexpr Uint32 kPixelFormat = SDL_PIXELFORMAT_XRGB8888;
constexpr const char* kSource = "Surface";

SDL_Surface* NewSurface(int width, int height) {
  SDL_Surface* s = detail::CheckSdl(
      SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, kPixelFormat), kSource,
      "cannot create a " + std::to_string(width) + " x " + std::to_string(height) + " surface");
  SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_NONE);
  return s;
}

SDL_Rect ToSdl(const SurfaceRect& r, const SDL_Surface* whole) {
  if (r.IsWhole()) {
    return SDL_Rect{0, 0, whole->w, whole->h};
  }
  return SDL_Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Uint32 MapColour(const SDL_Surface* s, Rgb c) {
  return SDL_MapRGB(s->format, c.r, c.g, c.b);
}

// Holds a surface locked while its pixels are read.
class PixelLock {
 public:
  explicit PixelLock(SDL_Surface* s) : surface_(s) {
    detail::CheckSdl(SDL_LockSurface(s), kSource, "cannot read the surface's pixels");
  }
  ~PixelLock() { SDL_UnlockSurface(surface_); }
  PixelLock(const PixelLock&) = delete;
  PixelLock& operator=(const PixelLock&) = delete;
  Uint32 At(int x, int y) const {
    const auto* row = static_cast<const Uint8*>(surface_->pixels) + y * surface_->pitch;
    return reinterpret_cast<const Uint32*>(row)[x];
  }

 private:
  SDL_Surface* surface_;
};

}  // namespace

void Surface::Free::operator()(SDL_Surface* s) const {
  SDL_FreeSurface(s);
}

Surface::Surface(SDL_Surface* surface) : surface_(surface) {}
Surface::Surface(Surface&&) noexcept = default;
Surface& Surface::operator=(Surface&&) noexcept = default;
Surface::~Surface() = default;

Surface Surface::Create(int width, int height) {
  Surface s(NewSurface(width, height));
  s.Fill(SurfaceRect{}, kTransparentBlack);
  return s;
}

Surface Surface::LoadBitmap(const std::filesystem::path& file, int width, int height,
                            Scaling scaling) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    throw RuntimeError(ErrorNumber::FileNotFound, kSource, "File not found: " + file.string());
  }
  const auto refuse = [&file] {
    throw RuntimeError(ErrorNumber::InvalidPicture, kSource,
                       "Invalid picture: " + file.string() + ": " + SDL_GetError());
  };
  const std::unique_ptr<SDL_RWops, detail::StreamClose> stream(
      SDL_RWFromFile(file.string().c_str(), "rb"));
  if (!stream) {
    refuse();
  }
  detail::RequireLoadableBitmapHeader(*stream, kSource, file);
  std::unique_ptr<SDL_Surface, detail::SurfaceFree> loaded(SDL_LoadBMP_RW(stream.get(), 0));
  if (!loaded) {
    refuse();
  }
  std::unique_ptr<SDL_Surface, detail::SurfaceFree> converted(
      detail::CheckSdl(SDL_ConvertSurfaceFormat(loaded.get(), kPixelFormat, 0), kSource,
                       "cannot convert " + file.string()));
  SDL_SetSurfaceBlendMode(converted.get(), SDL_BLENDMODE_NONE);

  return Scaled(*converted, width, height, scaling, file.string());
}

Surface Surface::Scaled(SDL_Surface& source, int width, int height, Scaling scaling,
                        const std::string& what) {
  Surface result(NewSurface(width, height));
  if (source.w == width && source.h == height) {
    detail::CheckSdl(SDL_BlitSurface(&source, nullptr, result.Native(), nullptr), kSource,
                     "cannot copy " + what);
  } else {
    SDL_Rect target{0, 0, width, height};
    const int status = scaling == Scaling::Smooth
                           ? SDL_SoftStretchLinear(&source, nullptr, result.Native(), &target)
                           : SDL_BlitScaled(&source, nullptr, result.Native(), &target);
    detail::CheckSdl(status, kSource, "cannot scale " + what);
  }
  result.MarkDirty(0, 0, width, height);
  return result;
}

Surface Surface::FromPicture(const Picture& picture, int width, int height, Scaling scaling) {
  Surface whole = FromPicture(picture);
  return Scaled(*whole.Native(), width, height, scaling, "a picture");
}

Surface Surface::FromPicture(const Picture& picture) {
  Surface result(NewSurface(picture.width, picture.height));
  SDL_Surface* s = result.Native();
  {
    PixelLock lock(s);
    for (int y = 0; y < picture.height; ++y) {
      auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
      for (int x = 0; x < picture.width; ++x) {
        row[x] = MapColour(s, picture.At(x, y));
      }
    }
  }
  result.MarkDirty(0, 0, picture.width, picture.height);
  return result;
}

int Surface::Width() const {
  return surface_->w;
}
int Surface::Height() const {
  return surface_->h;
}

void Surface::SetColourKeyBlack() {
  detail::CheckSdl(SDL_SetColorKey(Native(), SDL_TRUE, MapColour(Native(), kTransparentBlack)),
                   kSource, "cannot set the colour key");
  // Run-length encoding lets keyed draws skip transparent runs wholesale.
  SDL_SetSurfaceRLE(Native(), 1);
}

void Surface::Fill(const SurfaceRect& where, Rgb colour) {
  SDL_Rect r = ToSdl(where, Native());
  detail::CheckSdl(SDL_FillRect(Native(), &r, MapColour(Native(), colour)), kSource,
                   "cannot fill the surface");
  MarkDirty(r.x, r.y, r.x + r.w, r.y + r.h);
}

void Surface::DrawSprite(int x, int y, const Surface& source, const SurfaceRect& sourceRect,
                         SpriteDraw mode) {
  SDL_Rect from = ToSdl(sourceRect, source.Native());
  SDL_Rect to{x, y, from.w, from.h};
  SDL_Surface* src = source.Native();
  const bool keyed = SDL_HasColorKey(src) == SDL_TRUE;
  if (mode == SpriteDraw::Opaque && keyed) {
    SDL_SetColorKey(src, SDL_FALSE, 0);
  }
  const int status = SDL_BlitSurface(src, &from, Native(), &to);
  if (mode == SpriteDraw::Opaque && keyed) {
    SDL_SetColorKey(src, SDL_TRUE, MapColour(src, kTransparentBlack));
  }
  detail::CheckSdl(status, kSource, "cannot draw a sprite");
  MarkDirty(to.x, to.y, to.x + to.w, to.y + to.h);
}

void Surface::Copy(const SurfaceRect& target, const Surface& source,
                   const SurfaceRect& sourceRect) {
  SDL_Rect from = ToSdl(sourceRect, source.Native());
  SDL_Rect to = ToSdl(target, Native());
  const int status = (from.w == to.w && from.h == to.h)
                         ? SDL_BlitSurface(source.Native(), &from, Native(), &to)
                         : SDL_BlitScaled(source.Native(), &from, Native(), &to);
  detail::CheckSdl(status, kSource, "cannot copy a surface");
  MarkDirty(to.x, to.y, to.x + to.w, to.y + to.h);
}

Rgb Surface::PixelAt(int x, int y) const {
  PixelLock lock(Native());
  Rgb c;
  SDL_GetRGB(lock.At(x, y), Native()->format, &c.r, &c.g, &c.b);
  return c;
}

Picture Surface::ToPicture() const {
  Picture picture(Width(), Height());
  static_assert(sizeof(Rgb) == 3, "a picture's pixels are packed red, green, blue bytes");
  // SDL converts the whole surface at once, far quicker than pixel by pixel.
  PixelLock lock(Native());
  detail::CheckSdl(SDL_ConvertPixels(picture.width, picture.height, Native()->format->format,
                                     Native()->pixels, Native()->pitch, SDL_PIXELFORMAT_RGB24,
                                     picture.pixels.data(), picture.width * 3),
                   kSource, "cannot read the surface");
  return picture;
}

void Surface::MarkDirty(int left, int top, int right, int bottom) {
  dirty_.Add(SurfaceRect{std::max(left, 0), std::max(top, 0), std::min(right, Width()),
                         std::min(bottom, Height())});
}

DirtyRegion Surface::TakeDirtyRegion() {
  return std::exchange(dirty_, DirtyRegion{});
}

Surface LoadSprite(const std::filesystem::path& file, int width, int height) {
  Surface sprite = Surface::LoadBitmap(file, width, height, Scaling::Nearest);
  sprite.SetColourKeyBlack();
  return sprite;
}

}  // namespace rallix
