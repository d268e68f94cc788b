// How a program ends when a signal asks it to, or when something it did not
// expect is thrown: through the runtime (which gives the display and the
// pointer back), never through std::terminate, with a status that says why.

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/forms/runtime.h"
#include "tests/support/manual_clock.h"

namespace rallix {
namespace {

// A screen that does one thing when it loads.
class Loading final : public Form {
 public:
  Loading(FormsRuntime& runtime, std::function<void()> onLoad)
      : Form(runtime, FormDesign{"Loading", kBlack, WindowState::Normal, 3000, 3000}),
        onLoad_(std::move(onLoad)) {}

 protected:
  void CreateControls() override {}
  void DestroyControls() override {}
  void Form_Load() override { onLoad_(); }

 private:
  std::function<void()> onLoad_;
};

struct EndCase {
  std::string name;
  std::function<void()> onLoad;
  int status;
};

class ProgramEnd : public ::testing::TestWithParam<EndCase> {};

TEST_P(ProgramEnd, EndsThroughTheRuntimeWithAStatusThatSaysWhy) {
  ManualClock clock;
  FormsRuntime runtime(RuntimeOptions{.clock = &clock, .headless = true});
  Loading form(runtime, GetParam().onLoad);
  EXPECT_EQ(RunProgram(runtime, form), GetParam().status);
  EXPECT_TRUE(runtime.Ended() || GetParam().status == 1);
}

INSTANTIATE_TEST_SUITE_P(Table, ProgramEnd,
                         ::testing::ValuesIn(std::vector<EndCase>{
                             {"Interrupt", [] { std::raise(SIGINT); }, 130},
                             {"Terminate", [] { std::raise(SIGTERM); }, 143},
                             {"OutOfMemory", [] { throw std::bad_alloc(); }, 1},
                             {"OutOfRange", [] { std::vector<int>().at(3); }, 1},
                             {"AnythingElse", [] { throw 42; }, 1},
                         }),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace rallix
