#pragma once
// A list box: items in a white box, one of them selectable. Selecting an
// item, by mouse, by the arrow keys or from code, runs the click handler.

#include "platform/forms/control.h"
#include "platform/forms/item_list.h"

namespace rallix {

class ListBox final : public Control, public ItemList {
 public:
  ListBox(ControlList& list, std::string name, SurfaceRect bounds, FontChoice font);

  FontChoice font;
  void SetListIndex(int index);

  void Paint(Painter& painter) const override;
  bool TakesMouse() const override { return true; }
  bool TakesFocus() const override { return true; }
  void MouseDown(int x, int y) override;
  void MouseUp(int, int) override {}
  bool KeyDown(std::uint8_t keyCode) override;

 private:
  int RowHeight() const;
  int top_ = 0;  // first item shown
};

}  // namespace rallix
