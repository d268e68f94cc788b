#include "platform/forms/combo_box.h"

#include <algorithm>

#include "core/key_codes.h"
#include "platform/forms/widget_style.h"

namespace rallix {
namespace {
constexpr int kButtonWidth = 17;
}  // namespace

ComboBox::ComboBox(ControlList& list, std::string name, SurfaceRect bounds, FontChoice font)
    : Control(list, std::move(name), bounds), font(std::move(font)) {}

int ComboBox::RowHeight() const {
  return PointsToPixels(font.points) + 4;
}

SurfaceRect ComboBox::DropDownArea() const {
  return SurfaceRect{bounds.left, bounds.bottom, bounds.right,
                     bounds.bottom + RowHeight() * ListCount() + 2};
}

bool ComboBox::Contains(int x, int y) const {
  if (Control::Contains(x, y)) {
    return true;
  }
  const SurfaceRect list = DropDownArea();
  return open_ && x >= list.left && x < list.right && y >= list.top && y < list.bottom;
}

void ComboBox::SetListIndex(int index) {
  Select(index);
  if (onClick) {
    onClick();
  }
}

void ComboBox::Paint(Painter& painter) const {
  painter.FillRect(bounds, enabled ? kWindowWhite : kDisabledFace);
  DrawBevel(painter, bounds, /*sunken=*/true);
  const SurfaceRect field{bounds.left + 2, bounds.top + 2, bounds.right - kButtonWidth - 2,
                          bounds.bottom - 2};
  if (hasFocus && !open_ && ListIndex() >= 0) {
    painter.FillRect(field, kHighlight);
  }
  painter.DrawText(Text(), font, SurfaceRect{field.left + 2, field.top, field.right, field.bottom},
                   hasFocus && !open_ && ListIndex() >= 0 ? kHighlightText : kWindowText,
                   TextAlign::Left);
  const SurfaceRect button{bounds.right - kButtonWidth - 2, bounds.top + 2, bounds.right - 2,
                           bounds.bottom - 2};
  painter.FillRect(button, kDisabledFace);
  DrawBevel(painter, button, open_);
  // The arrow: a small downward triangle made of shrinking lines.
  const int cx = (button.left + button.right) / 2;
  const int cy = (button.top + button.bottom) / 2 - 2;
  for (int i = 0; i < 4; ++i) {
    painter.FillRect(SurfaceRect{cx - 3 + i, cy + i, cx + 4 - i, cy + i + 1}, kWindowText);
  }
}

void ComboBox::PaintOverlay(Painter& painter) const {
  if (!open_) {
    return;
  }
  const SurfaceRect list = DropDownArea();
  painter.FillRect(list, kWindowWhite);
  painter.DrawOutline(list, kWindowText, 1);
  int y = list.top + 1;
  for (int i = 0; i < ListCount(); ++i, y += RowHeight()) {
    const SurfaceRect line{list.left + 1, y, list.right - 1, y + RowHeight()};
    const bool selected = i == ListIndex();
    if (selected) {
      painter.FillRect(line, kHighlight);
    }
    painter.DrawText(List(i), font,
                     SurfaceRect{line.left + 2, line.top + 1, line.right, line.bottom},
                     selected ? kHighlightText : kWindowText, TextAlign::Left);
  }
}

void ComboBox::MouseDown(int x, int y) {
  if (open_ && !Control::Contains(x, y)) {
    const int index = (y - DropDownArea().top - 1) / RowHeight();
    open_ = false;
    if (index >= 0 && index < ListCount()) {
      SetListIndex(index);
    }
    return;
  }
  open_ = !open_;
}

bool ComboBox::KeyDown(std::uint8_t keyCode) {
  if (const auto next = IndexAfterArrow(keyCode)) {
    SetListIndex(*next);
    return true;
  }
  if ((keyCode == KeyCode::Enter || keyCode == KeyCode::Escape) && open_) {
    open_ = false;
    return true;
  }
  return false;
}

}  // namespace rallix
