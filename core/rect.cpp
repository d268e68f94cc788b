#include "core/rect.h"

#include <algorithm>

namespace rallix {

bool IntersectRect(Rect& hit, const Rect& a, const Rect& b) {
  const Rect overlap{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                     std::min(a.bottom, b.bottom)};
  if (overlap.left < overlap.right && overlap.top < overlap.bottom) {
    hit = overlap;
    return true;
  }
  hit = Rect{};
  return false;
}

}  // namespace rallix
