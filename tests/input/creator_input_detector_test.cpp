#include "input/creator_input_detector.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/errors.h"
#include "core/key_codes.h"
#include "platform/devices/sdl_devices.h"

namespace rallix {
namespace {

class Detector : public ::testing::Test {
 protected:
  SdlDeviceInput devices;
  CreatorInputDetector detector;

  void SetUp() override { detector.InitNormal(WindowHandle{&devices}); }
  void Hold(std::uint8_t code) { devices.OnKey(code, true); }
  void Release(std::uint8_t code) { devices.OnKey(code, false); }
};

struct HeldKeys {
  const char* name;
  std::vector<std::uint8_t> held;
  std::uint8_t reported;
};

class DetectorKeyPriority : public Detector, public ::testing::WithParamInterface<HeldKeys> {};

TEST_P(DetectorKeyPriority, ReportsTheHighestCodeHeld) {
  for (std::uint8_t code : GetParam().held) {
    Hold(code);
  }
  EXPECT_EQ(detector.GetKBState(), GetParam().reported);
  // Held keys read as down on every read, not once.
  EXPECT_EQ(detector.GetKBState(), GetParam().reported);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DetectorKeyPriority,
    ::testing::Values(
        HeldKeys{"NoKey", {}, 0},
        HeldKeys{"RightBeatsLeft", {KeyCode::LeftArrow, KeyCode::RightArrow}, KeyCode::RightArrow},
        HeldKeys{"ArrowBeatsPause", {KeyCode::Pause, KeyCode::LeftArrow}, KeyCode::LeftArrow},
        HeldKeys{"PauseBeatsEnterAndEsc",
                 {KeyCode::Escape, KeyCode::Enter, KeyCode::Pause},
                 KeyCode::Pause},
        HeldKeys{"AnyKeyHidesEsc", {KeyCode::Escape, KeyCode::A}, KeyCode::A},
        HeldKeys{"EscAlone", {KeyCode::Escape}, KeyCode::Escape}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Detector, AKeyTappedBetweenTwoReadsReadsAsDownOnce) {
  Hold(KeyCode::Pause);
  Release(KeyCode::Pause);
  EXPECT_EQ(detector.GetKBState(), KeyCode::Pause);
  EXPECT_EQ(detector.GetKBState(), 0);
}

TEST_F(Detector, EachDetectorSeesATapForItself) {
  CreatorInputDetector other;
  other.InitNormal(WindowHandle{&devices});
  Hold(KeyCode::RightArrow);
  Release(KeyCode::RightArrow);
  EXPECT_EQ(detector.GetKBState(), KeyCode::RightArrow);
  EXPECT_EQ(other.GetKBState(), KeyCode::RightArrow);
}

TEST_F(Detector, MouseReportsMotionSinceThePreviousRead) {
  float x = 99;
  float y = 99;
  std::int32_t buttons = -1;
  detector.GetMouseState(x, y, buttons);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(buttons, 0);
  devices.OnMouseMotion(-3, 2);
  devices.OnMouseMotion(-4, 5);
  devices.OnMouseButton(1, true);
  detector.GetMouseState(x, y, buttons);
  EXPECT_EQ(x, -7);
  EXPECT_EQ(y, 7);
  EXPECT_EQ(buttons, 1);
  detector.GetMouseState(x, y, buttons);
  EXPECT_EQ(x, 0) << "motion is reported once";
}

TEST_F(Detector, CursorStatusShowsOnlyForTrue) {
  detector.CursorStatus(1);
  EXPECT_EQ(devices.CursorCount(), -1) << "1 is not true: it hides";
  detector.CursorStatus(0);
  EXPECT_EQ(devices.CursorCount(), -2);
  detector.CursorStatus(kShowItTrue);
  EXPECT_EQ(devices.CursorCount(), -1);
}

TEST_F(Detector, InitNormalSetsTheJoystickRange) {
  EXPECT_EQ(detector.RangeProp().size, 24);
  EXPECT_EQ(detector.RangeProp().how, 0);
  EXPECT_EQ(detector.RangeProp().minimum, 0);
  EXPECT_EQ(detector.RangeProp().maximum, 5000);
}

TEST(DetectorBeforeInit, ReadsRaiseObjectNotSet) {
  CreatorInputDetector detector;
  float x = 0;
  float y = 0;
  std::int32_t b = 0;
  const auto expect91 = [](auto&& read) {
    try {
      read();
      ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Number(), ErrorNumber::ObjectNotSet);
      EXPECT_EQ(e.Source(), "CreatorInputDetector");
    }
  };
  expect91([&] { detector.GetKBState(); });
  expect91([&] { detector.GetMouseState(x, y, b); });
  expect91([&] { detector.CursorStatus(kShowItTrue); });
}

}  // namespace
}  // namespace rallix
