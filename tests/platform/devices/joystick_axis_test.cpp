#include "platform/devices/joystick_axis.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace rallix {
namespace {

struct AxisCase {
  const char* name;
  std::int16_t raw;
  std::int32_t minimum;
  std::int32_t maximum;
  std::int32_t deadZone;
  std::int32_t expected;
};

void PrintTo(const AxisCase& c, std::ostream* out) {
  *out << c.name << " (raw " << c.raw << ")";
}

class JoyAxisMapping : public ::testing::TestWithParam<AxisCase> {};

TEST_P(JoyAxisMapping, MapsTheRawReading) {
  const AxisCase& c = GetParam();
  EXPECT_EQ(MapJoyAxis(c.raw, c.minimum, c.maximum, c.deadZone), c.expected);
}

// With a 10% dead zone on 0..5000 the zone ends between raw 3276 (inside) and
// 3277 (outside).
INSTANTIATE_TEST_SUITE_P(
    Cases, JoyAxisMapping,
    ::testing::Values(
        AxisCase{"FullyLeftIsExactlyTheMinimum", -32768, 0, 5000, 0, 0},
        AxisCase{"OneStepInFromTheLeftRoundsToTheMinimum", -32767, 0, 5000, 0, 0},
        AxisCase{"CentreIsHalfway", 0, 0, 5000, 0, 2500},
        AxisCase{"FullyRightIsExactlyTheMaximum", 32767, 0, 5000, 0, 5000},
        AxisCase{"NoDeadZoneIsLinearNearTheCentre", 3276, 0, 5000, 0, 2750},
        AxisCase{"NoDeadZoneIsLinearHalfwayRight", 16384, 0, 5000, 0, 3750},
        AxisCase{"NoDeadZoneIsLinearHalfwayLeft", -16384, 0, 5000, 0, 1250},
        AxisCase{"DeadZoneFullyLeft", -32768, 0, 5000, 1000, 0},
        AxisCase{"DeadZoneOneStepInFromTheLeft", -32767, 0, 5000, 1000, 0},
        AxisCase{"DeadZoneCentre", 0, 0, 5000, 1000, 2500},
        AxisCase{"DeadZoneJustInsideRight", 3276, 0, 5000, 1000, 2500},
        AxisCase{"DeadZoneJustInsideLeft", -3277, 0, 5000, 1000, 2500},
        AxisCase{"DeadZoneJustOutsideRightStaysAtTheCentre", 3277, 0, 5000, 1000, 2500},
        AxisCase{"DeadZoneJustOutsideLeftStaysAtTheCentre", -3278, 0, 5000, 1000, 2500},
        AxisCase{"DeadZoneALittleFurtherOutMovesALittle", 3400, 0, 5000, 1000, 2510},
        AxisCase{"DeadZoneSpreadsTheRestOverTheTravel", 16384, 0, 5000, 1000, 3611},
        AxisCase{"DeadZoneSpreadsTheRestOverTheTravelLeft", -16384, 0, 5000, 1000, 1389},
        AxisCase{"DeadZoneFullyRight", 32767, 0, 5000, 1000, 5000},
        AxisCase{"WholeTravelDeadReadsTheCentreEvenAtTheEnd", 32767, 0, 5000, 10000, 2500},
        AxisCase{"RangeThroughZeroLeft", -32768, -100, 100, 0, -100},
        AxisCase{"RangeThroughZeroCentre", 0, -100, 100, 0, 0},
        AxisCase{"RangeThroughZeroRight", 32767, -100, 100, 0, 100},
        AxisCase{"OddSpanCentreRoundsUp", 0, 0, 5001, 0, 2501}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JoyAxisMapping, NeverJumpsAtTheDeadZonesEdge) {
  // Walking outwards the value never falls back and never moves by more than
  // the step's own share of the travel.
  std::int32_t previous = MapJoyAxis(0, 0, 5000, 1000);
  for (int raw = 1; raw <= 32767; ++raw) {
    const std::int32_t value = MapJoyAxis(static_cast<std::int16_t>(raw), 0, 5000, 1000);
    ASSERT_GE(value, previous) << "raw " << raw;
    ASSERT_LE(value - previous, 1) << "raw " << raw;
    previous = value;
  }
}

TEST(JoyAxisMapping, CentreOfTheRange) {
  EXPECT_EQ(JoyAxisCentre(0, 5000), 2500);
  EXPECT_EQ(JoyAxisCentre(-100, 100), 0);
}

struct OffsetCase {
  std::int32_t offset;
  std::optional<int> axis;
};

TEST(JoyAxisAtOffset, NamesTheAxisFieldsOnly) {
  const OffsetCase cases[] = {
      {0, 0}, {4, 1}, {8, 2}, {28, 7}, {32, std::nullopt}, {2, std::nullopt}, {-4, std::nullopt}};
  for (const OffsetCase& c : cases) {
    EXPECT_EQ(JoyAxisAtOffset(c.offset), c.axis) << "offset " << c.offset;
  }
}

TEST(JoyAxisField, EachAxisHasItsOwnField) {
  JoyStateRecord state;
  for (int axis = 0; axis < kJoyAxisCount; ++axis) {
    JoyAxisField(state, axis) = 100 + axis;
  }
  EXPECT_EQ(state.x, 100);
  EXPECT_EQ(state.y, 101);
  EXPECT_EQ(state.z, 102);
  EXPECT_EQ(state.rx, 103);
  EXPECT_EQ(state.ry, 104);
  EXPECT_EQ(state.rz, 105);
  EXPECT_EQ(state.sliders[0], 106);
  EXPECT_EQ(state.sliders[1], 107);
}

}  // namespace
}  // namespace rallix
