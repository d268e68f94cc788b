// A player's paddle under each device: the step, the bounds and where a
// paddle can end up after long walks.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/key_codes.h"
#include "rules/rally_rules.h"
#include "tests/rules/rules_test_support.h"

namespace rallix {
namespace {

Rect PaddleAt(std::int32_t left) {
  return {left, 550, left + Rally::PaddleWidth, 600};
}

struct SteerCase {
  std::string name;
  std::int32_t startLeft;
  std::int32_t reading;  // key code or joystick x
  std::int32_t expectedLeft;
};

class SteerByKeyTest : public testing::TestWithParam<SteerCase> {};

TEST_P(SteerByKeyTest, StepsWithinBounds) {
  const SteerCase& c = GetParam();
  Rect paddle = PaddleAt(c.startLeft);
  SteerByKey(paddle, static_cast<std::uint8_t>(c.reading));
  EXPECT_EQ(paddle, PaddleAt(c.expectedLeft));
}

INSTANTIATE_TEST_SUITE_P(Table, SteerByKeyTest,
                         testing::ValuesIn(std::vector<SteerCase>{
                             {"LeftArrow", 33, KeyCode::LeftArrow, 29},
                             {"RightArrow", 33, KeyCode::RightArrow, 37},
                             // The bound is tested before the step, so from 3 it still steps to -1.
                             {"LeftFromThree", 3, KeyCode::LeftArrow, -1},
                             {"LeftStopsAtTwo", 2, KeyCode::LeftArrow, 2},
                             {"LeftStopsAtOne", 1, KeyCode::LeftArrow, 1},
                             {"RightFrom588", 588, KeyCode::RightArrow, 592},
                             {"RightStopsAt589", 589, KeyCode::RightArrow, 589},
                             {"RightStopsPast589", 593, KeyCode::RightArrow, 593},
                             {"NoKey", 300, KeyCode::None, 300},
                             {"Escape", 300, KeyCode::Escape, 300},
                             {"Enter", 300, KeyCode::Enter, 300},
                             {"Pause", 300, KeyCode::Pause, 300},
                             {"UpArrow", 300, KeyCode::UpArrow, 300},
                             {"DownArrow", 300, KeyCode::DownArrow, 300},
                             {"KeypadFour", 300, KeyCode::Keypad4, 300},
                             {"KeypadSix", 300, KeyCode::Keypad6, 300},
                             {"Code255", 300, 255, 300},
                         }),
                         [](const auto& info) { return info.param.name; });

class SteerByJoystickTest : public testing::TestWithParam<SteerCase> {};

TEST_P(SteerByJoystickTest, StepsWithinBounds) {
  const SteerCase& c = GetParam();
  Rect paddle = PaddleAt(c.startLeft);
  SteerByJoystick(paddle, c.reading);
  EXPECT_EQ(paddle, PaddleAt(c.expectedLeft));
}

INSTANTIATE_TEST_SUITE_P(Table, SteerByJoystickTest,
                         testing::ValuesIn(std::vector<SteerCase>{
                             {"Centre", 300, 2500, 300},
                             {"JustRight", 300, 2501, 304},
                             {"JustLeft", 300, 2499, 296},
                             {"FullRight", 300, 65535, 304},
                             {"FullLeft", 300, 0, 296},
                             {"NegativeReading", 300, -32768, 296},
                             {"RightFrom588", 588, 5000, 592},
                             {"RightStopsAt589", 589, 5000, 589},
                             {"LeftFromThree", 3, 0, -1},
                             {"LeftStopsAtTwo", 2, 0, 2},
                             {"LeftStopsAtOne", 1, 0, 1},
                         }),
                         [](const auto& info) { return info.param.name; });

// Holding one direction for 200 passes from each starting column: the left
// edge stays on start + 4k inside 1..589 and ends pressed against the bound.
enum class Device { Keyboard, Joystick };
enum class Direction { Left, Right };

struct WalkCase {
  Device device;
  Direction direction;
  std::int32_t start;
};

class PaddleWalkTest : public testing::TestWithParam<WalkCase> {};

void SteerOnce(Rect& paddle, Device device, Direction direction) {
  if (device == Device::Keyboard) {
    SteerByKey(paddle, direction == Direction::Left ? KeyCode::LeftArrow : KeyCode::RightArrow);
  } else {
    SteerByJoystick(paddle, direction == Direction::Left ? 0 : 5000);
  }
}

TEST_P(PaddleWalkTest, HoldingOneWayEndsAtTheBound) {
  const WalkCase& c = GetParam();
  Rect paddle = PaddleAt(c.start);
  const std::int32_t step = c.direction == Direction::Left ? -Rally::PaddleStep : Rally::PaddleStep;
  for (int pass = 1; pass <= 200; ++pass) {
    const std::int32_t before = paddle.left;
    SteerOnce(paddle, c.device, c.direction);
    const std::int32_t moved = paddle.left - before;
    ASSERT_TRUE(moved == 0 || moved == step) << "pass " << pass << " moved " << moved;
    ASSERT_GE(paddle.left, 1) << "pass " << pass;
    ASSERT_LE(paddle.left, 589) << "pass " << pass;
    ASSERT_EQ((paddle.left - c.start) % 4, 0) << "pass " << pass;
    ASSERT_EQ(paddle, PaddleAt(paddle.left)) << "pass " << pass;
  }
  EXPECT_EQ(paddle.left, c.direction == Direction::Left ? 1 : 589);
}

std::vector<WalkCase> AllWalks() {
  std::vector<WalkCase> walks;
  for (Device device : {Device::Keyboard, Device::Joystick}) {
    for (Direction direction : {Direction::Left, Direction::Right}) {
      for (std::int32_t start :
           {Rally::FirstEditionPlayerStart.left, Rally::SinglePlayerStart.left}) {
        walks.push_back({device, direction, start});
      }
    }
  }
  return walks;
}

INSTANTIATE_TEST_SUITE_P(Walks, PaddleWalkTest, testing::ValuesIn(AllWalks()),
                         [](const auto& info) {
                           const WalkCase& c = info.param;
                           return std::string(c.device == Device::Keyboard ? "Keys" : "Joystick") +
                                  (c.direction == Direction::Left ? "Left" : "Right") + "From" +
                                  std::to_string(c.start);
                         });

// Back and forth in a long fixed but irregular pattern, both devices mixed:
// the paddle never leaves the reachable columns.
TEST(PaddleWalk, IrregularWanderingStaysOnReachableColumns) {
  for (std::int32_t start : {Rally::FirstEditionPlayerStart.left, Rally::SinglePlayerStart.left}) {
    Rect paddle = PaddleAt(start);
    std::uint32_t noise = 12345;
    bool reachedLeft = false;
    bool reachedRight = false;
    for (int pass = 0; pass < 20000; ++pass) {
      noise = noise * 1103515245u + 12345u;
      // Runs of one direction, long enough to reach both bounds now and then.
      const Direction direction = (noise >> 24) % 2 == 0 ? Direction::Left : Direction::Right;
      const int runLength = static_cast<int>((noise >> 8) % 150);
      const Device device = (noise >> 4) % 2 == 0 ? Device::Keyboard : Device::Joystick;
      for (int i = 0; i < runLength; ++i) {
        SteerOnce(paddle, device, direction);
        ASSERT_GE(paddle.left, 1);
        ASSERT_LE(paddle.left, 589);
        ASSERT_EQ((paddle.left - start) % 4, 0);
      }
      reachedLeft = reachedLeft || paddle.left == 1;
      reachedRight = reachedRight || paddle.left == 589;
    }
    EXPECT_TRUE(reachedLeft && reachedRight) << "the walk never tested both bounds";
  }
}

struct MouseCase {
  std::string name;
  std::int32_t startLeft;
  float mouseX;
  std::int32_t expectedLeft;
};

class SteerByMouseTest : public testing::TestWithParam<MouseCase> {};

TEST_P(SteerByMouseTest, MovesHalfRoundedDown) {
  const MouseCase& c = GetParam();
  Rect paddle = PaddleAt(c.startLeft);
  SteerByMouse(paddle, c.mouseX);
  EXPECT_EQ(paddle, PaddleAt(c.expectedLeft));
}

INSTANTIATE_TEST_SUITE_P(Table, SteerByMouseTest,
                         testing::ValuesIn(std::vector<MouseCase>{
                             {"Still", 300, 0.0f, 300},
                             {"MinusOne", 300, -1.0f, 299},
                             {"PlusOne", 300, 1.0f, 300},
                             {"MinusTwo", 300, -2.0f, 299},
                             {"PlusTwo", 300, 2.0f, 301},
                             {"MinusThree", 300, -3.0f, 298},
                             {"PlusThree", 300, 3.0f, 301},
                             {"MinusHalf", 300, -0.5f, 299},
                             {"PlusHalf", 300, 0.5f, 300},
                             {"MinusOneAndHalf", 300, -1.5f, 299},
                             {"PlusOneAndHalf", 300, 1.5f, 300},
                             {"FastLeft", 300, -101.0f, 249},
                             {"FastRight", 300, 101.0f, 350},
                             // The bounds are tested before the move, and the
                             // move itself is not held inside the field.
                             {"LeftStopsAtTwo", 2, -10.0f, 2},
                             {"LeftFromThreeOvershoots", 3, -10.0f, -2},
                             {"RightStopsAt589", 589, 10.0f, 589},
                             {"RightFrom588Overshoots", 588, 100.0f, 638},
                             {"PastRightEdgeOnlyReturns", 700, 10.0f, 700},
                             {"PastRightEdgeReturning", 700, -10.0f, 695},
                             {"PastLeftEdgeOnlyReturns", -50, -10.0f, -50},
                             {"PastLeftEdgeReturning", -50, 10.0f, -45},
                         }),
                         [](const auto& info) { return info.param.name; });

// A glitching driver can report anything; the paddle must stay a valid
// rectangle (no wrap-around, no undefined conversion) whatever comes.
TEST(SteerByMouse, AbsurdReadingsKeepThePaddleWhole) {
  constexpr float huge = std::numeric_limits<float>::max();
  constexpr float infinity = std::numeric_limits<float>::infinity();
  constexpr std::int32_t farAway = 100'000'000;
  const auto expectWhole = [](const Rect& paddle) {
    EXPECT_EQ(static_cast<std::int64_t>(paddle.right),
              static_cast<std::int64_t>(paddle.left) + Rally::PaddleWidth);
    EXPECT_EQ(paddle.top, 550);
    EXPECT_EQ(paddle.bottom, 600);
  };

  for (float right : {4.0e9f, 1.0e30f, huge, infinity}) {
    Rect paddle = PaddleAt(300);
    SteerByMouse(paddle, right);
    EXPECT_GT(paddle.left, farAway) << right;
    expectWhole(paddle);

    const Rect pinned = paddle;
    SteerByMouse(paddle, right);  // past the right bound: no further
    EXPECT_EQ(paddle, pinned);

    SteerByMouse(paddle, -right);
    EXPECT_LT(paddle.left, -farAway) << -right;
    expectWhole(paddle);
    SteerByMouse(paddle, -right);
    EXPECT_LT(paddle.left, -farAway);
    expectWhole(paddle);
  }
}

TEST(SteerByMouse, NotANumberLeavesThePaddle) {
  Rect paddle = PaddleAt(300);
  SteerByMouse(paddle, std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(paddle, PaddleAt(300));
}

}  // namespace
}  // namespace rallix
