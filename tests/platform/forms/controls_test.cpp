#include <gtest/gtest.h>

#include <optional>

#include "core/key_codes.h"
#include "platform/forms/check_box.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/list_box.h"
#include "platform/forms/runtime.h"
#include "tests/support/event_injection.h"
#include "tests/support/manual_clock.h"

namespace rallix {
namespace {

const FontChoice kFont{"MS Sans Serif", 8.25, false};

// A form with one control of each kind that takes the focus.
class ControlsForm final : public Form {
 public:
  explicit ControlsForm(FormsRuntime& runtime)
      : Form(runtime, FormDesign{"Controls", kBlack, WindowState::Normal, 6000, 6000}) {}

  struct Design {
    ControlList& list;
    ComboBox combo{list, "combo", SurfaceRect{10, 10, 100, 30}, kFont};
    CheckBox check{list, "check", SurfaceRect{10, 40, 150, 60},
                   CheckBoxDesign{"Check", kFont, kRed, kBlack, true}};
    ListBox items{list, "items", SurfaceRect{10, 70, 150, 150}, kFont};
    CommandButton button{list, "button", SurfaceRect{10, 160, 150, 200},
                         CommandButtonDesign{"Go", kFont, kRed}};
  };
  std::optional<Design> design;
  int listClicks = 0;
  int buttonClicks = 0;

 protected:
  void CreateControls() override {
    Design& d = design.emplace(ControlsForDesign());
    for (const char* item : {"one", "two", "three"}) {
      d.combo.AddItem(item);
      d.items.AddItem(item);
    }
    d.items.onClick = [this] { ++listClicks; };
    d.button.onClick = [this] { ++buttonClicks; };
    SetTabOrder({&d.combo, &d.check, &d.items, &d.button});
  }
  void DestroyControls() override { design.reset(); }
};

class Controls : public ::testing::Test {
 protected:
  ManualClock clock;
  FormsRuntime runtime{RuntimeOptions{.clock = &clock, .headless = true}};
  ControlsForm form{runtime};

  void SetUp() override { runtime.Start(form); }
  void Press(std::uint8_t key) {
    InjectKeyTap(key);
    runtime.RunFrame();
  }
};

TEST_F(Controls, TabWalksTheTabOrderAndTheFocusedControlTakesTheKeys) {
  ControlsForm::Design& d = *form.design;
  EXPECT_EQ(form.Focused(), &d.combo) << "the first in the tab order has the focus";
  Press(KeyCode::DownArrow);
  Press(KeyCode::DownArrow);
  EXPECT_EQ(d.combo.Text(), "two");
  Press(KeyCode::Tab);
  Press(KeyCode::Space);
  EXPECT_EQ(d.check.Value, 1);
  Press(KeyCode::Tab);
  Press(KeyCode::DownArrow);
  EXPECT_EQ(d.items.ListIndex(), 0);
  EXPECT_EQ(form.listClicks, 1) << "a selection by key runs the click handler";
  Press(KeyCode::UpArrow);
  EXPECT_EQ(d.items.ListIndex(), 0) << "the selection stops at the first entry";
  Press(KeyCode::Tab);
  Press(KeyCode::Enter);
  EXPECT_EQ(form.buttonClicks, 1);
  Press(KeyCode::Tab);
  EXPECT_EQ(form.Focused(), &d.combo) << "Tab wraps round";
}

TEST_F(Controls, DisabledControlsAreSkippedByTab) {
  ControlsForm::Design& d = *form.design;
  d.check.enabled = false;
  Press(KeyCode::Tab);
  EXPECT_EQ(form.Focused(), &d.items);
}

TEST_F(Controls, ADropDownOpensOverTheFormAndAClickChoosesAnItem) {
  ControlsForm::Design& d = *form.design;
  InjectClick(50, 20);
  runtime.RunFrame();
  ASSERT_TRUE(d.combo.OverlayOpen());
  // The open list covers the check box; the click goes to the list.
  const int row = PointsToPixels(kFont.points) + 4;
  InjectClick(50, 30 + 1 + row * 2 + row / 2);
  runtime.RunFrame();
  EXPECT_FALSE(d.combo.OverlayOpen());
  EXPECT_EQ(d.combo.Text(), "three");
  EXPECT_EQ(d.check.Value, 0);
}

TEST_F(Controls, SettingTheListIndexFromCodeRunsTheClickHandler) {
  form.design->items.SetListIndex(2);
  EXPECT_EQ(form.listClicks, 1);
  EXPECT_EQ(form.design->items.Text(), "three");
  form.design->items.SetListIndex(7);
  EXPECT_EQ(form.design->items.ListIndex(), -1) << "an index past the end selects nothing";
}

}  // namespace
}  // namespace rallix
