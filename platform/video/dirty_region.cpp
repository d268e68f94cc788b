#include "platform/video/dirty_region.h"

#include <algorithm>

namespace rallix {
namespace {

bool IsEmpty(const SurfaceRect& r) {
  return r.left >= r.right || r.top >= r.bottom;
}

// Sharing an edge counts: two patches side by side upload as one.
bool OverlapOrTouch(const SurfaceRect& a, const SurfaceRect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

SurfaceRect Union(const SurfaceRect& a, const SurfaceRect& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

long long Area(const SurfaceRect& r) {
  return static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
}

}  // namespace

void DirtyRegion::Add(SurfaceRect rect) {
  if (IsEmpty(rect)) {
    return;
  }
  // Whatever the new rectangle reaches is taken into it, and what the grown
  // rectangle then reaches too, until it stands alone.
  for (std::size_t i = 0; i < count_;) {
    if (OverlapOrTouch(rects_[i], rect)) {
      rect = Union(rect, rects_[i]);
      rects_[i] = rects_[--count_];
      i = 0;
    } else {
      ++i;
    }
  }
  if (count_ < kMaxRects) {
    rects_[count_++] = rect;
    return;
  }
  // Full: grow whichever rectangle grows least by taking this one in. The
  // grown one may now overlap others; that costs an upload twice, no more.
  std::size_t best = 0;
  for (std::size_t i = 1; i < count_; ++i) {
    if (Area(Union(rects_[i], rect)) - Area(rects_[i]) <
        Area(Union(rects_[best], rect)) - Area(rects_[best])) {
      best = i;
    }
  }
  rects_[best] = Union(rects_[best], rect);
}

}  // namespace rallix
