#pragma once
// A drop-down list that takes no typing: a white field showing the chosen
// item and a button; clicking opens the items below it, clicking one
// chooses it. Up and Down step through the items while it has the focus.

#include "platform/forms/control.h"
#include "platform/forms/item_list.h"

namespace rallix {

class ComboBox final : public Control, public ItemList {
 public:
  ComboBox(ControlList& list, std::string name, SurfaceRect bounds, FontChoice font);

  FontChoice font;
  void SetListIndex(int index);

  void Paint(Painter& painter) const override;
  void PaintOverlay(Painter& painter) const override;
  bool OverlayOpen() const override { return open_; }
  bool Contains(int x, int y) const override;
  bool TakesMouse() const override { return true; }
  bool TakesFocus() const override { return true; }
  void MouseDown(int x, int y) override;
  void MouseUp(int, int) override {}
  bool KeyDown(std::uint8_t keyCode) override;
  void LoseFocus() override { open_ = false; }

 private:
  SurfaceRect DropDownArea() const;
  int RowHeight() const;
  bool open_ = false;
};

}  // namespace rallix
