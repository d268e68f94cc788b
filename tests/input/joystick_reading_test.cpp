// Reading pads through CreatorInputDetector, and its joystick errors.

#include "tests/support/joystick_test_support.h"

namespace rallix {
namespace {

using namespace rallix::testing;

struct DeadZoneCase {
  std::int16_t raw;
  std::int32_t low;
  std::int32_t high;
};

class DetectorJoystickAxis : public DetectorJoystick, public ::testing::WithParamInterface<int> {};

TEST_P(DetectorJoystickAxis, HasATenPercentDeadZoneAndReachesBothEnds) {
  const int axis = GetParam();
  VirtualJoystick pad("Rallix Axis Pad", 3, 4);
  InitNormal();
  detector.InitJoystick(IdentifierOf("Rallix Axis Pad"));
  const DeadZoneCase cases[] = {
      {0, 2500, 2500},
      {1000, 2500, 2500},
      {-1000, 2500, 2500},
      {3276, 2500, 2500},
      {-3277, 2500, 2500},
      {kFullyLeft, 0, 0},
      {kFullyRight, 5000, 5000},
      // Just outside the zone the value leaves the centre gently.
      {3400, 2501, 2520},
      {-3400, 2480, 2499},
  };
  for (const DeadZoneCase& c : cases) {
    pad.SetAxis(axis, c.raw);
    ReadFresh();
    const std::int32_t value = axis == 0 ? x : y;
    EXPECT_GE(value, c.low) << "raw " << c.raw;
    EXPECT_LE(value, c.high) << "raw " << c.raw;
  }
}

INSTANTIATE_TEST_SUITE_P(Axes, DetectorJoystickAxis, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param == 0 ? "X" : "Y"; });

TEST_F(DetectorJoystick, ZHasNoDeadZoneAndAMissingAxisReadsTheCentre) {
  VirtualJoystick threeAxes("Rallix Three Axis Pad", 3, 4);
  VirtualJoystick oneAxis("Rallix One Axis Pad", 1, 4);
  InitNormal();
  detector.InitJoystick(IdentifierOf("Rallix Three Axis Pad"));
  threeAxes.SetAxis(2, 3276);
  ReadFresh();
  EXPECT_EQ(z, 2750) << "inside x's dead zone, but z has none";

  detector.InitJoystick(IdentifierOf("Rallix One Axis Pad"));
  oneAxis.SetAxis(0, kFullyRight);
  ReadFresh();
  EXPECT_EQ(x, 5000);
  EXPECT_EQ(y, 2500);
  EXPECT_EQ(z, 2500);
}

struct ButtonCase {
  const char* name;
  std::vector<int> pressed;
  std::array<std::uint8_t, 8> reported;
};

void PrintTo(const ButtonCase& c, std::ostream* out) {
  *out << c.name;
}

class DetectorJoystickButtons : public DetectorJoystick,
                                public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(DetectorJoystickButtons, ReportsButtonsOneToEight) {
  VirtualJoystick pad("Rallix Button Pad", 2, 12);
  InitNormal();
  detector.InitJoystick(IdentifierOf("Rallix Button Pad"));
  for (int button : GetParam().pressed) {
    pad.SetButton(button, true);
  }
  ReadFresh();
  EXPECT_EQ(Buttons(), GetParam().reported);
}

constexpr std::uint8_t kPressed = 0x80;
INSTANTIATE_TEST_SUITE_P(
    Cases, DetectorJoystickButtons,
    ::testing::Values(
        ButtonCase{"None", {}, {0, 0, 0, 0, 0, 0, 0, 0}},
        ButtonCase{"TheFirstButtonIsNotReported", {0}, {0, 0, 0, 0, 0, 0, 0, 0}},
        ButtonCase{"IndexOneIsButton1", {1}, {kPressed, 0, 0, 0, 0, 0, 0, 0}},
        ButtonCase{"IndexEightIsButton8", {8}, {0, 0, 0, 0, 0, 0, 0, kPressed}},
        ButtonCase{"IndexNineIsNotReported", {9, 11}, {0, 0, 0, 0, 0, 0, 0, 0}},
        ButtonCase{"SeveralAtOnce", {0, 2, 5, 7}, {0, kPressed, 0, 0, kPressed, 0, kPressed, 0}},
        ButtonCase{
            "AllEight",
            {1, 2, 3, 4, 5, 6, 7, 8},
            {kPressed, kPressed, kPressed, kPressed, kPressed, kPressed, kPressed, kPressed}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DetectorJoystick, AReadReportsWhatThePreviousPollCaptured) {
  VirtualJoystick pad("Rallix Order Pad", 2, 4);
  InitNormal();
  detector.InitJoystick(IdentifierOf("Rallix Order Pad"));
  ReadFresh();
  ASSERT_EQ(x, 2500);
  pad.SetAxis(0, kFullyRight);
  detector.GetJoystickState(x, y, z);
  EXPECT_EQ(x, 2500) << "read first: the move is not seen yet";
  detector.GetJoystickState(x, y, z);
  EXPECT_EQ(x, 5000) << "the first read's poll brought it in";
}

TEST_F(DetectorJoystick, AReleasedButtonReadsUp) {
  VirtualJoystick pad("Rallix Button Pad", 2, 12);
  InitNormal();
  detector.InitJoystick(IdentifierOf("Rallix Button Pad"));
  pad.SetButton(3, true);
  ReadFresh();
  EXPECT_EQ(detector.Button3, 0x80);
  pad.SetButton(3, false);
  ReadFresh();
  EXPECT_EQ(detector.Button3, 0);
}

TEST_F(DetectorJoystick, AnUnpluggedPadLeavesTheLastValuesAndRaisesNothing) {
  VirtualJoystick pad("Rallix Unplugged Pad", 3, 12);
  InitNormal();
  detector.InitJoystick(IdentifierOf("Rallix Unplugged Pad"));
  pad.SetAxis(0, kFullyRight);
  pad.SetAxis(1, kFullyLeft);
  pad.SetButton(4, true);
  ReadFresh();
  ASSERT_EQ(x, 5000);
  ASSERT_EQ(y, 0);
  ASSERT_EQ(detector.Button4, 0x80);

  pad.Detach();
  x = 111;
  y = 222;
  z = 333;
  EXPECT_NO_THROW(ReadFresh());
  EXPECT_EQ(x, 111);
  EXPECT_EQ(y, 222);
  EXPECT_EQ(z, 333);
  EXPECT_EQ(detector.Button4, 0x80);
}

TEST_F(DetectorJoystick, ASecondInitJoystickTakesOver) {
  VirtualJoystick first("Rallix First Pad", 2, 4);
  VirtualJoystick second("Rallix Second Pad", 2, 4, 0x1209, 0x0004);
  InitNormal();
  first.SetAxis(0, kFullyLeft);
  second.SetAxis(0, kFullyRight);
  detector.InitJoystick(IdentifierOf("Rallix First Pad"));
  ReadFresh();
  ASSERT_EQ(x, 0);

  detector.InitJoystick(IdentifierOf("Rallix Second Pad"));
  ReadFresh();
  EXPECT_EQ(x, 5000);
  first.SetAxis(0, kFullyRight);
  first.SetButton(1, true);
  second.SetAxis(0, 0);
  ReadFresh();
  EXPECT_EQ(x, 2500) << "moves of the first pad are not read";
  EXPECT_EQ(detector.Button1, 0);
}

TEST_F(DetectorJoystick, InitNormalLeavesTheOpenJoystickOpen) {
  VirtualJoystick pad("Rallix Kept Pad", 2, 4);
  InitNormal();
  detector.InitJoystick(IdentifierOf("Rallix Kept Pad"));
  InitNormal();
  pad.SetAxis(0, kFullyRight);
  ReadFresh();
  EXPECT_EQ(x, 5000);
}

TEST_F(DetectorJoystick, AnUnknownIdentifierFailsAndKeepsTheEarlierJoystick) {
  VirtualJoystick pad("Rallix Kept Pad", 2, 4);
  InitNormal();
  detector.InitJoystick(IdentifierOf("Rallix Kept Pad"));
  ExpectError([&] { detector.InitJoystick("ffffffffffffffffffffffffffffffff-9"); },
              ErrorNumber::PlatformServiceFailed, "DeviceInputService",
              "No attached joystick has the identifier \"ffffffffffffffffffffffffffffffff-9\"");
  pad.SetAxis(0, kFullyLeft);
  ReadFresh();
  EXPECT_EQ(x, 0);
}

TEST_F(DetectorJoystick, ReadingWithNoJoystickOpenRaises767) {
  const auto read = [&] { detector.GetJoystickState(x, y, z); };
  ExpectError(read, 767, "CreatorInputDetector", "Joystick not initalized or no Joystick attached");
  InitNormal();
  ExpectError(read, 767, "CreatorInputDetector", "Joystick not initalized or no Joystick attached");
  EXPECT_EQ(x, -1) << "outputs untouched";
}

TEST_F(DetectorJoystick, AskingForAJoystickWhenNoneIsAttachedRaises7676) {
  InitNormal();
  if (detector.JoysticksCount() != 0) {
    GTEST_SKIP() << "a real joystick is attached to this machine";
  }
  std::string guid = "g";
  std::string name = "n";
  std::string type = "t";
  ExpectError([&] { detector.GetJoysticks(1, guid, name, type); }, 7676, "CreatorInputDetector",
              "No Joysticks Attached");
  EXPECT_EQ(guid + name + type, "gnt") << "outputs untouched";
}

TEST_F(DetectorJoystick, AnIndexOutsideTheListRaisesSubscriptOutOfRange) {
  VirtualJoystick pad("Rallix Only Pad", 2, 4);
  InitNormal();
  const std::int32_t count = detector.JoysticksCount();
  std::string guid;
  std::string name;
  std::string type;
  for (const std::int32_t index : {0, -1, count + 1}) {
    ExpectError([&] { detector.GetJoysticks(index, guid, name, type); },
                ErrorNumber::SubscriptOutOfRange, "DeviceInputService");
  }
}

TEST(DetectorJoystickBeforeInitNormal, RaisesObjectNotSet) {
  SdlDeviceInput devices;
  VirtualJoystick pad("Rallix Early Pad", 2, 4);
  CreatorInputDetector detector;
  std::string guid;
  std::string name;
  std::string type;
  ExpectError([&] { detector.JoysticksCount(); }, ErrorNumber::ObjectNotSet,
              "CreatorInputDetector");
  ExpectError([&] { detector.GetJoysticks(1, guid, name, type); }, ErrorNumber::ObjectNotSet,
              "CreatorInputDetector");
  ExpectError([&] { detector.InitJoystick(devices.ListJoysticks().front().guid); },
              ErrorNumber::ObjectNotSet, "CreatorInputDetector");
}

}  // namespace
}  // namespace rallix
