#pragma once
// The full game on a headless runtime, and ways to work its controls the
// way a player does: clicks at their places, keys to the focused control.

#include <string>

#include "frontend/full_game.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/list_box.h"
#include "tests/support/screen_test_support.h"

namespace rallix::testing {

class FullGameScreens : public ::testing::Test {
 protected:
  ScratchFolder folder;
  HeadlessRuntime headless;
  FullGame game{headless.Runtime()};

  FormsRuntime& Runtime() { return headless.Runtime(); }
  const Form* Top() { return Runtime().TopForm(); }

  // Starts at a screen, as if reached from the menu.
  void StartAt(Form& form) {
    Runtime().Start(form);
    Runtime().RunFrame();
  }
  // Clicks a control and lets the runtime act on it.
  void Click(const Form& form, const std::string& name) {
    ClickOn(form, name);
    Runtime().RunFrame();
  }
  // Opens a drop-down list and clicks one of its items.
  void ChooseInCombo(const Form& form, const std::string& name, int index) {
    const auto& combo = dynamic_cast<const ComboBox&>(*FindControl(form, name));
    const SurfaceRect r = combo.bounds;
    InjectClick((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Runtime().RunFrame();
    const int row = PointsToPixels(combo.font.points) + 4;
    InjectClick((r.left + r.right) / 2, r.bottom + 1 + row * index + row / 2);
    Runtime().RunFrame();
  }
  // Clicks one entry of a list box.
  void ChooseInList(const Form& form, const std::string& name, int index) {
    const auto& list = dynamic_cast<const ListBox&>(*FindControl(form, name));
    const int row = PointsToPixels(list.font.points) + 4;
    InjectClick((list.bounds.left + list.bounds.right) / 2,
                list.bounds.top + 2 + row * index + row / 2);
    Runtime().RunFrame();
  }
  const ListBox& List(const Form& form, const std::string& name) {
    return dynamic_cast<const ListBox&>(*FindControl(form, name));
  }
  bool WaitFor(const Form& form, double limitMs = 500) {
    return headless.RunUntil([&] { return Top() == &form; }, limitMs).has_value();
  }
};

}  // namespace rallix::testing
