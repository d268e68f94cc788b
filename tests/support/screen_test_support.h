#pragma once
// A headless runtime on a stepped clock, in a scratch working directory, for
// driving the real screens from tests.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/forms/label.h"
#include "platform/forms/runtime.h"
#include "tests/support/event_injection.h"
#include "tests/support/manual_clock.h"

namespace rallix::testing {

// Runs a test inside a fresh folder that holds the hit sound, and leaves it.
class ScratchFolder {
 public:
  ScratchFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("rallix-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
             std::to_string(::getpid()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    std::filesystem::copy_file(std::filesystem::path(RALLIX_RUN_DIR) / "b.wav", path_ / "b.wav");
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
  }
  ~ScratchFolder() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

class HeadlessRuntime {
 public:
  // `scale`: screen pixels per form pixel, as on a HiDPI desktop.
  explicit HeadlessRuntime(int scale = 1)
      : runtime_(RuntimeOptions{.clock = &clock_, .headless = true, .scale = scale}) {}

  FormsRuntime& Runtime() { return runtime_; }
  ManualClock& Clock() { return clock_; }
  double NowMs() const { return std::chrono::duration<double, std::milli>(clock_.Now()).count(); }

  // Runs whole frames of the main loop until at least `ms` have passed.
  void RunForMs(double ms) {
    const Nanoseconds end = clock_.Now() + std::chrono::ceil<Nanoseconds>(
                                               std::chrono::duration<double, std::milli>(ms));
    clock_.SetHorizon(end);
    while (clock_.Now() < end && runtime_.RunFrame()) {
    }
    clock_.SetHorizon(std::nullopt);
  }
  // Runs frames until the condition holds; returns the time it took, or
  // nothing when it did not happen within the limit.
  template <typename Condition>
  std::optional<double> RunUntil(Condition condition, double limitMs) {
    const double start = NowMs();
    while (!condition()) {
      if (NowMs() - start > limitMs || !runtime_.RunFrame()) {
        return condition() ? std::optional<double>(NowMs() - start) : std::nullopt;
      }
    }
    return NowMs() - start;
  }

 private:
  ManualClock clock_;
  FormsRuntime runtime_;
};

inline const Control* FindControl(const Form& form, const std::string& name) {
  for (const Control* c : form.Controls().All()) {
    if (c->Name() == name) {
      return c;
    }
  }
  ADD_FAILURE() << form.Design().caption << " has no control named " << name;
  return nullptr;
}

inline const Label& FindLabel(const Form& form, const std::string& name) {
  return dynamic_cast<const Label&>(*FindControl(form, name));
}

// Presses and releases the left button over the middle of a control.
inline void ClickOn(const Form& form, const std::string& name) {
  const SurfaceRect r = FindControl(form, name)->bounds;
  InjectClick((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace rallix::testing
