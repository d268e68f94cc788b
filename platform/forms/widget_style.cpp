#include "platform/forms/widget_style.h"

namespace rallix {

SurfaceRect Inset(const SurfaceRect& area, int by) {
  return SurfaceRect{area.left + by, area.top + by, area.right - by, area.bottom - by};
}

void DrawBevel(Painter& painter, const SurfaceRect& area, bool sunken) {
  const Rgb topLeft = sunken ? kBevelShadow : kBevelLight;
  const Rgb bottomRight = sunken ? kBevelLight : kBevelShadow;
  painter.FillRect(SurfaceRect{area.left, area.top, area.right, area.top + 2}, topLeft);
  painter.FillRect(SurfaceRect{area.left, area.top, area.left + 2, area.bottom}, topLeft);
  painter.FillRect(SurfaceRect{area.left, area.bottom - 2, area.right, area.bottom}, bottomRight);
  painter.FillRect(SurfaceRect{area.right - 2, area.top, area.right, area.bottom}, bottomRight);
}

void DrawFocusMark(Painter& painter, const SurfaceRect& area, Rgb colour) {
  painter.DrawOutline(Inset(area, 4), colour, 1);
}

}  // namespace rallix
