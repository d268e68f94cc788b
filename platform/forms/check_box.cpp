#include "platform/forms/check_box.h"

#include "core/key_codes.h"
#include "platform/forms/widget_style.h"

namespace rallix {
namespace {
constexpr int kBoxSize = 13;
constexpr int kGap = 4;
}  // namespace

CheckBox::CheckBox(ControlList& list, std::string name, SurfaceRect bounds, CheckBoxDesign design)
    : Control(list, std::move(name), bounds),
      caption(std::move(design.caption)),
      font(std::move(design.font)),
      foreColor(design.foreColor),
      backColor(design.backColor) {
  enabled = design.enabled;
}

void CheckBox::Paint(Painter& painter) const {
  painter.FillRect(bounds, backColor);
  const int boxTop = (bounds.top + bounds.bottom - kBoxSize) / 2;
  const SurfaceRect box{bounds.left, boxTop, bounds.left + kBoxSize, boxTop + kBoxSize};
  painter.FillRect(box, enabled ? kWindowWhite : kDisabledFace);
  DrawBevel(painter, box, /*sunken=*/true);
  if (Value != 0) {
    painter.FillRect(Inset(box, 4), enabled ? kWindowText : kGrayText);
  }
  const int lineHeight = PointsToPixels(font.points) * 3 / 2;
  const SurfaceRect textBox{box.right + kGap, (bounds.top + bounds.bottom - lineHeight) / 2,
                            bounds.right, bounds.bottom};
  painter.DrawText(caption, font, textBox, enabled ? foreColor : kGrayText, TextAlign::Left);
  if (hasFocus) {
    painter.DrawOutline(SurfaceRect{textBox.left - 1, bounds.top, bounds.right, bounds.bottom},
                        foreColor, 1);
  }
}

void CheckBox::Toggle() {
  Value = Value == 0 ? 1 : 0;
  if (onClick) {
    onClick();
  }
}

void CheckBox::MouseUp(int x, int y) {
  if (Contains(x, y)) {
    Toggle();
  }
}

bool CheckBox::KeyDown(std::uint8_t keyCode) {
  if (keyCode == KeyCode::Space) {
    Toggle();
    return true;
  }
  return false;
}

}  // namespace rallix
