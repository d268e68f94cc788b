#include "platform/forms/command_button.h"

#include "core/key_codes.h"
#include "platform/forms/widget_style.h"

namespace rallix {

CommandButton::CommandButton(ControlList& list, std::string name, SurfaceRect bounds,
                             CommandButtonDesign design)
    : Control(list, std::move(name), bounds),
      caption(std::move(design.caption)),
      font(std::move(design.font)),
      face(design.face) {}

void CommandButton::Paint(Painter& painter) const {
  painter.FillRect(bounds, face);
  DrawBevel(painter, bounds, pressed_);
  const int lineHeight = PointsToPixels(font.points) * 3 / 2;
  const int top = (bounds.top + bounds.bottom - lineHeight) / 2 + (pressed_ ? 1 : 0);
  const SurfaceRect textBox{bounds.left + 4, top, bounds.right - 4, bounds.bottom - 2};
  painter.DrawText(caption, font, textBox, enabled ? kWindowText : kGrayText, TextAlign::Centre);
  if (hasFocus) {
    DrawFocusMark(painter, bounds, kWindowText);
  }
}

void CommandButton::MouseDown(int, int) {
  pressed_ = true;
}

void CommandButton::MouseUp(int x, int y) {
  pressed_ = false;
  if (Contains(x, y) && onClick) {
    onClick();
  }
}

bool CommandButton::KeyDown(std::uint8_t keyCode) {
  if ((keyCode == KeyCode::Space || keyCode == KeyCode::Enter) && onClick) {
    onClick();
    return true;
  }
  return false;
}

}  // namespace rallix
