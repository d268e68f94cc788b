#pragma once
// A rectangle on a surface, in pixels.

namespace rallix {

// left, top inclusive; right, bottom exclusive. All four zero: the whole surface.
struct SurfaceRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool IsWhole() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  friend bool operator==(const SurfaceRect&, const SurfaceRect&) = default;
};

struct SurfacePoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const SurfacePoint&, const SurfacePoint&) = default;
};

}  // namespace rallix
