// The text box: what typing, the editing keys and pasting leave in it; text
// input and the caret's blinking run only while it has the focus.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/key_codes.h"
#include "platform/forms/command_button.h"
#include "platform/forms/runtime.h"
#include "platform/forms/text_box.h"
#include "tests/support/event_injection.h"
#include "tests/support/manual_clock.h"

namespace rallix {
namespace {

const FontChoice kFont{"MS Sans Serif", 8.25, false};
constexpr int kMaxLength = 12;

class AddressForm final : public Form {
 public:
  explicit AddressForm(FormsRuntime& runtime)
      : Form(runtime, FormDesign{"Address", kButtonFace, WindowState::Normal, 3000, 1500}) {}

  struct Design {
    ControlList& list;
    TextBox address{list, "address", SurfaceRect{10, 10, 150, 31}, kFont};
    CommandButton join{list, "join", SurfaceRect{10, 40, 100, 65},
                       CommandButtonDesign{"Join", kFont}};
  };
  std::optional<Design> design;
  int changes = 0;
  int enters = 0;

 protected:
  void CreateControls() override {
    Design& d = design.emplace(ControlsForDesign());
    d.address.MaxLength = kMaxLength;
    d.address.onChange = [this] { ++changes; };
    d.address.onEnter = [this] { ++enters; };
    SetTabOrder({&d.address, &d.join});
  }
  void DestroyControls() override { design.reset(); }
};

class TextBoxTest : public ::testing::Test {
 protected:
  ManualClock clock;
  FormsRuntime runtime{RuntimeOptions{.clock = &clock, .headless = true}};
  AddressForm form{runtime};

  void SetUp() override {
    runtime.Start(form);
    runtime.RunFrame();
  }
  TextBox& Box() { return form.design->address; }
  std::uint64_t FramesDrawnWithin(Milliseconds span) {
    const auto before = runtime.FramesDrawn();
    for (const Nanoseconds end = clock.Now() + span; clock.Now() < end;) {
      runtime.RunFrame();
    }
    return runtime.FramesDrawn() - before;
  }
};

struct Paste {
  std::string clipboard;
};
using Step = std::variant<std::string, std::uint8_t, Paste>;  // typed, a key, a paste

struct EditCase {
  const char* what;
  std::vector<Step> steps;
  std::string text;
  int changes;
};

TEST_F(TextBoxTest, TypingEditingKeysAndPastingLeaveTheExpectedText) {
  using namespace KeyCode;
  const EditCase cases[] = {
      {"typed at the caret", {"bc", Home, "a", End, "e", LeftArrow, "d"}, "abcde", 4},
      {"Backspace takes a whole two-byte character", {"hé", Backspace}, "h", 2},
      {"arrows skip a 3-byte one", {"€b", LeftArrow, LeftArrow, "x", RightArrow, Delete}, "x€", 3},
      {"nothing to remove changes nothing", {"ab", Delete, Home, Backspace}, "ab", 1},
      {"typing stops at the limit", {"192.168.100.200"}, "192.168.100.", 1},
      {"the limit counts characters", {"éééééééééééé", "x"}, "éééééééééééé", 1},
      {"pasting drops line breaks and tabs", {"ho", Paste{"st\r\n:4000\t"}}, "host:4000", 2},
  };
  for (const EditCase& c : cases) {
    Box().SetText("");
    form.changes = 0;
    for (const Step& step : c.steps) {
      if (const auto* typed = std::get_if<std::string>(&step)) {
        InjectText(*typed);
      } else if (const auto* key = std::get_if<std::uint8_t>(&step)) {
        InjectKeyTap(*key);
      } else {
        InjectPaste(std::get<Paste>(step).clipboard);
      }
    }
    runtime.RunFrame();
    EXPECT_EQ(Box().Text(), c.text) << c.what;
    EXPECT_EQ(form.changes, c.changes) << c.what;
  }
}

TEST_F(TextBoxTest, TextInputAndEnterGoToTheBoxOnlyWhileItHasTheFocus) {
  EXPECT_TRUE(TextInputRunning()) << "the box is first in the tab order";
  InjectKeyTap(KeyCode::Enter);
  InjectKeyTap(KeyCode::Tab);
  InjectText("x");
  InjectKeyTap(KeyCode::Enter);
  runtime.RunFrame();
  EXPECT_EQ(form.enters, 1);
  EXPECT_EQ(Box().Text(), "");
  EXPECT_FALSE(TextInputRunning()) << "keys pressed elsewhere must not turn into text";
  InjectClick(20, 20);
  runtime.RunFrame();
  EXPECT_TRUE(TextInputRunning()) << "a click puts the focus back in the box";
}

TEST_F(TextBoxTest, TheCaretBlinksOnlyWhileTheBoxHasTheFocus) {
  const Picture caretShown = runtime.Snapshot();
  EXPECT_GE(FramesDrawnWithin(Milliseconds(2000)), 3u);
  // Three blinks within the two seconds: the caret is hidden now.
  EXPECT_FALSE(runtime.Snapshot().pixels == caretShown.pixels);
  InjectKeyTap(KeyCode::Tab);
  runtime.RunFrame();
  EXPECT_EQ(FramesDrawnWithin(Milliseconds(2000)), 0u) << "an idle screen is not drawn";
}

}  // namespace
}  // namespace rallix
