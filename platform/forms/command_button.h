#pragma once
// A push button with a coloured face. Click, Space or Enter (while it has
// the focus) run its click handler.

#include <string>

#include "platform/forms/control.h"

namespace rallix {

struct CommandButtonDesign {
  std::string caption;
  FontChoice font;
  Rgb face{212, 208, 200};
};

class CommandButton final : public Control {
 public:
  CommandButton(ControlList& list, std::string name, SurfaceRect bounds,
                CommandButtonDesign design);

  std::string caption;
  FontChoice font;
  Rgb face;

  void Paint(Painter& painter) const override;
  bool TakesMouse() const override { return true; }
  bool TakesFocus() const override { return true; }
  void MouseDown(int x, int y) override;
  void MouseUp(int x, int y) override;
  bool KeyDown(std::uint8_t keyCode) override;

 private:
  bool pressed_ = false;
};

}  // namespace rallix
