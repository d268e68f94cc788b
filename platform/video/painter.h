#pragma once
// What a control may draw with. The window implements it; controls never see
// how (or whether) it reaches the screen.

#include <string>

#include "core/picture.h"
#include "platform/video/display.h"
#include "platform/video/font_resolver.h"

namespace rallix {

enum class TextAlign { Left, Centre, Right };

class Painter {
 public:
  virtual ~Painter() = default;
  virtual void FillRect(const SurfaceRect& area, Rgb colour) = 0;
  virtual void DrawOutline(const SurfaceRect& area, Rgb colour, int thickness) = 0;
  // Text wraps at the box's width, breaks at CR LF, and is clipped to the box.
  virtual void DrawText(const std::string& text, const FontChoice& font, const SurfaceRect& box,
                        Rgb colour, TextAlign align) = 0;
  // The width in pixels the text takes on one line.
  virtual int MeasureText(const std::string& text, const FontChoice& font) = 0;
  // The picture stretched into the box. Pictures drawn must outlive the window
  // (the artwork does: it is made once per program).
  virtual void DrawPicture(const Picture& picture, const SurfaceRect& box) = 0;
  // Shows `part` of a surface (all of it when whole), unscaled, at the same
  // place in the window; only what changed since it was last shown is sent
  // to the screen again.
  virtual void DrawSurface(Surface& surface, const SurfaceRect& part) = 0;
};

}  // namespace rallix
