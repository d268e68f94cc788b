#pragma once
// Drawing surfaces: pictures loaded from bitmap files at a fixed size, a
// colour-keyed sprite draw, fill and copy. Surfaces live in memory; the runtime
// shows a form's screen surface in the window each frame.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/picture.h"
#include "platform/video/dirty_region.h"
#include "platform/video/surface_rect.h"

struct SDL_Surface;

namespace rallix {

// How a picture is brought to the size it is loaded at. Sprites keep hard
// pixels so their black border stays exactly black for the colour key.
enum class Scaling { Nearest, Smooth };

// How a sprite's pixels land on the target.
enum class SpriteDraw {
  Opaque,           // every pixel is copied
  SourceColourKey,  // black pixels of the source are skipped
};

class Surface {
 public:
  // An off-screen surface of the given size, filled black.
  static Surface Create(int width, int height);
  // A bitmap file brought to exactly width x height, whatever its own size.
  // Missing file: error 53; not a bitmap, or a header declaring a size no picture of the
  // game could have (refused before decoding): error 481. Both name the file.
  static Surface LoadBitmap(const std::filesystem::path& file, int width, int height,
                            Scaling scaling = Scaling::Nearest);
  static Surface FromPicture(const Picture& picture);
  // A picture brought to width x height exactly as LoadBitmap brings a file
  // holding it.
  static Surface FromPicture(const Picture& picture, int width, int height,
                             Scaling scaling = Scaling::Nearest);

  Surface(Surface&&) noexcept;
  Surface& operator=(Surface&&) noexcept;
  ~Surface();

  int Width() const;
  int Height() const;

  // Black (0, 0, 0) becomes the transparent colour of SourceColourKey draws.
  void SetColourKeyBlack();

  void Fill(const SurfaceRect& where, Rgb colour);
  // Copies source's sourceRect with its top-left at (x, y), unscaled. Parts
  // that fall outside this surface are clipped, never an error.
  void DrawSprite(int x, int y, const Surface& source, const SurfaceRect& sourceRect,
                  SpriteDraw mode);
  // Copies source's sourceRect into target, scaling when the sizes differ;
  // clipped to this surface.
  void Copy(const SurfaceRect& target, const Surface& source, const SurfaceRect& sourceRect);

  Rgb PixelAt(int x, int y) const;
  Picture ToPicture() const;

  // The region changed since the last call (empty when nothing did).
  DirtyRegion TakeDirtyRegion();
  bool Changed() const { return !dirty_.Empty(); }

 private:
  // Only the window, which shows surfaces, reaches SDL's own object.
  friend class GameWindow;
  SDL_Surface* Native() const { return surface_.get(); }

  struct Free {
    void operator()(SDL_Surface* s) const;
  };
  explicit Surface(SDL_Surface* surface);
  static Surface Scaled(SDL_Surface& source, int width, int height, Scaling scaling,
                        const std::string& what);
  void MarkDirty(int left, int top, int right, int bottom);

  std::unique_ptr<SDL_Surface, Free> surface_;
  DirtyRegion dirty_;
};

// A sprite: a bitmap file brought to its size with hard pixels, black
// see-through.
Surface LoadSprite(const std::filesystem::path& file, int width, int height);

}  // namespace rallix
