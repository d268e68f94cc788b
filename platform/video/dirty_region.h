#pragma once
// The parts of a surface changed since the window last took them: a few
// rectangles kept apart, so a ball near the top and a paddle at the bottom
// reach the screen as two small patches rather than the whole field between.

#include <array>
#include <cstddef>
#include <span>

#include "platform/video/surface_rect.h"

namespace rallix {

class DirtyRegion {
 public:
  // Enough for a match frame (three sprites, each where it was and where it
  // is); past it, rectangles are merged into a neighbour, never dropped.
  static constexpr std::size_t kMaxRects = 8;

  // Rectangles that overlap or touch become one. Empty ones are ignored.
  void Add(SurfaceRect rect);
  bool Empty() const { return count_ == 0; }
  std::span<const SurfaceRect> Rects() const { return {rects_.data(), count_}; }

 private:
  std::array<SurfaceRect, kMaxRects> rects_{};
  std::size_t count_ = 0;
};

}  // namespace rallix
