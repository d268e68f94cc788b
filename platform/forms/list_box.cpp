#include "platform/forms/list_box.h"

#include <algorithm>

#include "core/key_codes.h"
#include "platform/forms/widget_style.h"

namespace rallix {

ListBox::ListBox(ControlList& list, std::string name, SurfaceRect bounds, FontChoice font)
    : Control(list, std::move(name), bounds), font(std::move(font)) {}

int ListBox::RowHeight() const {
  return PointsToPixels(font.points) + 4;
}

void ListBox::SetListIndex(int index) {
  Select(index);
  // Keep the selection in view.
  const int rows = std::max(1, (bounds.bottom - bounds.top - 4) / RowHeight());
  if (ListIndex() >= 0) {
    top_ = std::clamp(top_, ListIndex() - rows + 1, ListIndex());
  }
  if (onClick) {
    onClick();
  }
}

void ListBox::Paint(Painter& painter) const {
  painter.FillRect(bounds, enabled ? kWindowWhite : kDisabledFace);
  DrawBevel(painter, bounds, /*sunken=*/true);
  const int row = RowHeight();
  int y = bounds.top + 2;
  for (int i = top_; i < ListCount() && y + row <= bounds.bottom - 2; ++i, y += row) {
    const SurfaceRect line{bounds.left + 2, y, bounds.right - 2, y + row};
    const bool selected = i == ListIndex();
    if (selected) {
      painter.FillRect(line, hasFocus ? kHighlight : kFrameLine);
    }
    const Rgb text = !enabled ? kGrayText : selected ? kHighlightText : kWindowText;
    painter.DrawText(List(i), font,
                     SurfaceRect{line.left + 2, line.top + 1, line.right, line.bottom}, text,
                     TextAlign::Left);
  }
}

void ListBox::MouseDown(int, int y) {
  const int index = top_ + (y - bounds.top - 2) / RowHeight();
  if (index >= 0 && index < ListCount()) {
    SetListIndex(index);
  }
}

bool ListBox::KeyDown(std::uint8_t keyCode) {
  if (const auto next = IndexAfterArrow(keyCode)) {
    SetListIndex(*next);
    return true;
  }
  return false;
}

}  // namespace rallix
