#include "platform/files/picture_file.h"

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>
#include <system_error>

#include "core/errors.h"
#include "platform/detail/bitmap_header.h"
#include "platform/detail/sdl_error.h"
#include "platform/files/whole_file.h"

namespace rallix {
namespace {

using SurfacePtr = std::unique_ptr<SDL_Surface, detail::SurfaceFree>;

using RWopsPtr = std::unique_ptr<SDL_RWops, detail::StreamClose>;

// Holds a surface's pixels locked for direct access while in scope.
class SurfaceLock {
 public:
  explicit SurfaceLock(SDL_Surface* surface) : surface_(surface) {
    locked_ = SDL_MUSTLOCK(surface_) && SDL_LockSurface(surface_) == 0;
  }
  SurfaceLock(const SurfaceLock&) = delete;
  SurfaceLock& operator=(const SurfaceLock&) = delete;
  ~SurfaceLock() {
    if (locked_) {
      SDL_UnlockSurface(surface_);
    }
  }
  std::uint8_t* Row(int y) const {
    return static_cast<std::uint8_t*>(surface_->pixels) +
           static_cast<std::ptrdiff_t>(y) * surface_->pitch;
  }

 private:
  SDL_Surface* surface_;
  bool locked_ = false;
};

// A file header and the largest information header a bitmap file may carry.
constexpr std::size_t kLargestBitmapHeader = 14 + 124;

[[noreturn]] void FailToSave(const std::filesystem::path& path, const std::string& reason) {
  throw RuntimeError(ErrorNumber::PathFileAccessError, "SavePicture",
                     "Cannot write " + path.string() + ": " + reason);
}

// BMP keeps its 24-bit pixels as blue, green, red bytes: a BGR24 surface is saved as is.
SurfacePtr SurfaceFromPicture(const Picture& picture) {
  SurfacePtr surface(
      SDL_CreateRGBSurfaceWithFormat(0, picture.width, picture.height, 24, SDL_PIXELFORMAT_BGR24));
  if (!surface) {
    return surface;
  }
  const SurfaceLock lock(surface.get());
  for (int y = 0; y < picture.height; ++y) {
    std::uint8_t* out = lock.Row(y);
    for (int x = 0; x < picture.width; ++x) {
      const Rgb& colour = picture.At(x, y);
      *out++ = colour.b;
      *out++ = colour.g;
      *out++ = colour.r;
    }
  }
  return surface;
}

}  // namespace

void SavePicture(const Picture& picture, const std::filesystem::path& path) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() != static_cast<std::size_t>(picture.width) * picture.height) {
    throw RuntimeError(ErrorNumber::InvalidPicture, "SavePicture",
                       "Cannot write " + path.string() + ": the picture is " +
                           std::to_string(picture.width) + "x" + std::to_string(picture.height) +
                           " with " + std::to_string(picture.pixels.size()) + " pixels");
  }
  const SurfacePtr surface = SurfaceFromPicture(picture);
  if (!surface) {
    FailToSave(path, SDL_GetError());
  }

  // The file is made in memory first, so it can replace the earlier one whole.
  const std::size_t rowBytes = (static_cast<std::size_t>(picture.width) * 3 + 3) / 4 * 4;
  std::string bytes(kLargestBitmapHeader + rowBytes * static_cast<std::size_t>(picture.height),
                    '\0');
  RWopsPtr stream(SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size())));
  if (!stream || SDL_SaveBMP_RW(surface.get(), stream.get(), 0) != 0) {
    FailToSave(path, SDL_GetError());
  }
  bytes.resize(static_cast<std::size_t>(SDL_RWtell(stream.get())));
  if (const int failure = ReplaceFileWhole(path, bytes); failure != 0) {
    FailToSave(path, std::generic_category().message(failure));
  }
}

Picture LoadPicture(const std::filesystem::path& path) {
  RWopsPtr stream(SDL_RWFromFile(path.c_str(), "rb"));
  if (!stream) {
    throw RuntimeError(ErrorNumber::FileNotFound, "LoadPicture",
                       "File not found: " + path.string() + " (" + SDL_GetError() + ")");
  }
  detail::RequireLoadableBitmapHeader(*stream, "LoadPicture", path);
  const SurfacePtr loaded(SDL_LoadBMP_RW(stream.get(), 0));
  if (!loaded) {
    throw RuntimeError(ErrorNumber::InvalidPicture, "LoadPicture",
                       path.string() + " is not a bitmap: " + SDL_GetError());
  }
  const SurfacePtr rgb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB24, 0));
  if (!rgb) {
    throw RuntimeError(ErrorNumber::InvalidPicture, "LoadPicture",
                       path.string() + ": cannot read its pixels: " + SDL_GetError());
  }
  Picture picture(rgb->w, rgb->h);
  const SurfaceLock lock(rgb.get());
  for (int y = 0; y < picture.height; ++y) {
    const std::uint8_t* in = lock.Row(y);
    for (int x = 0; x < picture.width; ++x) {
      Rgb& colour = picture.At(x, y);
      colour.r = *in++;
      colour.g = *in++;
      colour.b = *in++;
    }
  }
  return picture;
}

}  // namespace rallix
