#pragma once
// Rectangles in pixels, left/top inclusive and right/bottom exclusive, and the
// overlap test every collision in a rally goes through.

#include <cstdint>

namespace rallix {

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  std::int32_t Width() const { return right - left; }
  std::int32_t Height() const { return bottom - top; }
  // A rectangle of four zeros stands for "the whole surface" in drawing calls.
  bool IsWhole() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Writes the overlap of a and b into hit and reports whether they overlap.
// Rectangles that only touch do not overlap; an empty result is all zeros.
bool IntersectRect(Rect& hit, const Rect& a, const Rect& b);

}  // namespace rallix
