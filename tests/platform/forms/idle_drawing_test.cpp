// A screen with nothing moving is drawn only when something changes, and in
// between the runtime sleeps until its next timer is due, firing it on time.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "core/key_codes.h"
#include "platform/forms/label.h"
#include "platform/forms/runtime.h"
#include "platform/forms/timer.h"
#include "tests/support/event_injection.h"
#include "tests/support/manual_clock.h"

namespace rallix {
namespace {

constexpr int kTickMs = 250;

class TickingForm final : public Form {
 public:
  explicit TickingForm(FormsRuntime& runtime)
      : Form(runtime, FormDesign{"Ticking", kBlack, WindowState::Normal, 3000, 3000}) {}

  std::vector<Nanoseconds> ticksAt;

 protected:
  void CreateControls() override {
    timer_.emplace(ControlsForDesign(), "Timer1", kTickMs);
    timer_->onTimer = [this] { ticksAt.push_back(runtime_.TimeSource().Now()); };
  }
  void DestroyControls() override { timer_.reset(); }

 private:
  std::optional<Timer> timer_;
};

class IdleDrawing : public ::testing::Test {
 protected:
  ManualClock clock;
  FormsRuntime runtime{RuntimeOptions{.clock = &clock, .headless = true}};
  TickingForm form{runtime};

  void SetUp() override {
    runtime.Start(form);
    runtime.RunFrame();
  }
};

TEST_F(IdleDrawing, SleepsFromTimerToTimerAndDrawsOncePerTick) {
  const auto drawnAtStart = runtime.FramesDrawn();
  EXPECT_EQ(drawnAtStart, 1u) << "the form is drawn when it is shown";
  while (form.ticksAt.size() < 4) {
    runtime.RunFrame();
  }
  for (std::size_t i = 0; i < form.ticksAt.size(); ++i) {
    EXPECT_EQ(form.ticksAt[i], Milliseconds(kTickMs * static_cast<int>(i + 1)))
        << "tick " << i << " fired late or early";
  }
  EXPECT_EQ(runtime.FramesDrawn() - drawnAtStart, 4u);
}

TEST_F(IdleDrawing, PointerMovesAloneDrawNothingAndAKeyDrawsOnce) {
  const auto before = runtime.FramesDrawn();
  InjectMouseMotion(5, 5);
  runtime.RunFrame();
  EXPECT_EQ(runtime.FramesDrawn(), before);
  EXPECT_EQ(clock.Now(), Nanoseconds(0)) << "an event waiting is read without sleeping";
  InjectKeyTap(KeyCode::Space);
  runtime.RunFrame();
  EXPECT_EQ(runtime.FramesDrawn(), before + 1);
}

}  // namespace
}  // namespace rallix
