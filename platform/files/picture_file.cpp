#include "platform/files/picture_file.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <memory>
#include <string>
#include <system_error>
#include <utility>

#include "core/errors.h"

namespace rallix {
namespace {

struct SurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

struct RWopsDeleter {
  void operator()(SDL_RWops* stream) const { SDL_RWclose(stream); }
};
using RWopsPtr = std::unique_ptr<SDL_RWops, RWopsDeleter>;

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

// Removes the temporary file unless the save went through to the rename.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::filesystem::path path) : path_(std::move(path)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (!kept_) {
      ::unlink(path_.c_str());
    }
  }
  const std::filesystem::path& Path() const { return path_; }
  void Keep() { kept_ = true; }

 private:
  std::filesystem::path path_;
  bool kept_ = false;
};

std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target) {
  static std::atomic<unsigned> sequence{0};
  std::filesystem::path temporary = target;
  temporary += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(sequence++);
  return temporary;
}

// SDL's streams cannot sync, so the finished temporary file is synced through its path
// before it may replace the earlier picture. Returns errno, or 0.
int SyncFileAt(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    return errno;
  }
  const int failure = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  return failure;
}

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

  TemporaryFile temporary(TemporaryPathBeside(path));
  RWopsPtr stream(SDL_RWFromFile(temporary.Path().c_str(), "wb"));
  if (!stream) {
    FailToSave(path, SDL_GetError());
  }
  if (SDL_SaveBMP_RW(surface.get(), stream.get(), 0) != 0) {
    FailToSave(path, SDL_GetError());
  }
  // Closed here rather than by the deleter: a write error can surface only at the close.
  if (SDL_RWclose(stream.release()) != 0) {
    FailToSave(path, SDL_GetError());
  }
  if (const int failure = SyncFileAt(temporary.Path()); failure != 0) {
    FailToSave(path, std::generic_category().message(failure));
  }
  std::error_code error;
  std::filesystem::rename(temporary.Path(), path, error);
  if (error) {
    FailToSave(path, error.message());
  }
  temporary.Keep();
}

Picture LoadPicture(const std::filesystem::path& path) {
  RWopsPtr stream(SDL_RWFromFile(path.c_str(), "rb"));
  if (!stream) {
    throw RuntimeError(ErrorNumber::FileNotFound, "LoadPicture",
                       "File not found: " + path.string() + " (" + SDL_GetError() + ")");
  }
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
