#pragma once
// A check box: a small box and its caption. Clicking it (or Space while it
// has the focus) flips Value between 0 and 1, then runs the click handler.

#include <string>

#include "platform/forms/control.h"

namespace rallix {

struct CheckBoxDesign {
  std::string caption;
  FontChoice font;
  Rgb foreColor = kRed;
  Rgb backColor = kBlack;
  bool enabled = true;
};

class CheckBox final : public Control {
 public:
  CheckBox(ControlList& list, std::string name, SurfaceRect bounds, CheckBoxDesign design);

  std::string caption;
  FontChoice font;
  Rgb foreColor;
  Rgb backColor;
  int Value = 0;  // 0 unchecked, 1 checked

  void Paint(Painter& painter) const override;
  bool TakesMouse() const override { return true; }
  bool TakesFocus() const override { return true; }
  void MouseUp(int x, int y) override;
  bool KeyDown(std::uint8_t keyCode) override;

 private:
  void Toggle();
};

}  // namespace rallix
