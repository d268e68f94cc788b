#pragma once
// A frame: a captioned border that groups controls. Controls inside a frame
// are placed relative to it (see InFrame).

#include <string>

#include "platform/forms/control.h"

namespace rallix {

struct FrameDesign {
  std::string caption;
  FontChoice font;
  Rgb foreColor = kRed;
  Rgb backColor = kBlack;
};

class Frame final : public Control {
 public:
  Frame(ControlList& list, std::string name, SurfaceRect bounds, FrameDesign design);

  std::string caption;
  FontChoice font;
  Rgb foreColor;
  Rgb backColor;

  void Paint(Painter& painter) const override;
};

// A child's place given in twips relative to its frame's top-left corner.
SurfaceRect InFrame(const SurfaceRect& frame, int left, int top, int width, int height);

}  // namespace rallix
