#pragma once
// A line or block of text on a transparent background.

#include <string>

#include "platform/forms/control.h"

namespace rallix {

struct LabelDesign {
  std::string caption;
  FontChoice font{"MS Sans Serif", 8.25, false};
  Rgb foreColor = kRed;
  TextAlign alignment = TextAlign::Left;
};

class Label final : public Control {
 public:
  Label(ControlList& list, std::string name, SurfaceRect bounds, LabelDesign design);

  std::string caption;
  FontChoice font;
  Rgb foreColor;
  TextAlign alignment;

  void Paint(Painter& painter) const override;
};

}  // namespace rallix
