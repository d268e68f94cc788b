#include "platform/forms/control.h"

#include <algorithm>

namespace rallix {

Control::Control(ControlList& list, std::string name, SurfaceRect bounds)
    : bounds(bounds), list_(list), name_(std::move(name)) {
  list_.controls_.push_back(this);
}

Control::~Control() {
  std::erase(list_.controls_, this);
}

bool Control::Contains(int x, int y) const {
  return x >= bounds.left && x < bounds.right && y >= bounds.top && y < bounds.bottom;
}

Control* ControlList::ClickTargetAt(int x, int y) const {
  // An open drop-down lies over everything else.
  for (Control* c : controls_) {
    if (c->OverlayOpen() && c->Contains(x, y)) {
      return c;
    }
  }
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Control* c = *it;
    if (c->visible && c->Contains(x, y)) {
      // The topmost control takes the click, even one that does nothing with it.
      return (c->enabled && c->TakesMouse()) ? c : nullptr;
    }
  }
  return nullptr;
}

}  // namespace rallix
