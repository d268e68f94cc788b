// The computer's step: strict dead-zone comparisons, its own bounds, and the
// second test looking at where the first one left the paddle.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "rules/rally_rules.h"
#include "tests/rules/rules_test_support.h"

namespace rallix {
namespace {

Rect ComputerAt(std::int32_t left) {
  return {left, 5, left + Rally::ComputerPaddleWidth, 45};
}
Rect BallAtLeft(std::int32_t left) {
  return {left, 300, left + Rally::BallSize, 340};
}

struct SequenceCase {
  std::string name;
  std::int32_t aiSpeed;
  std::int32_t ballLeft;
  std::vector<std::int32_t> lefts;  // the start, then after each call
};

class AICheckSequenceTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(AICheckSequenceTest, StepsTowardsTheBall) {
  const SequenceCase& c = GetParam();
  Rect ai = ComputerAt(c.lefts.front());
  for (std::size_t call = 1; call < c.lefts.size(); ++call) {
    AICheck(ai, BallAtLeft(c.ballLeft), c.aiSpeed);
    ASSERT_EQ(ai, ComputerAt(c.lefts[call])) << "after call " << call;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, AICheckSequenceTest,
                         testing::ValuesIn(std::vector<SequenceCase>{
                             // Moving left it steps while its left edge is above 6.
                             {"Speed8Left", 8, 0, {33, 25, 17, 9, 1, 1, 1}},
                             {"Speed12LeftGoesNegative", 12, 0, {33, 21, 9, -3, -3}},
                             {"Speed4Left", 4, 0, {33, 29, 25, 21, 17, 13, 9, 5, 5}},
                             {"Speed0WithBallLeft", 0, 0, {33, 33, 33}},
                             {"Speed0WithBallRight", 0, 799, {33, 33, 33}},
                             // Moving right it steps while its left edge is below 589.
                             {"Speed8RightPastBound", 8, 799, {569, 577, 585, 593, 593}},
                             {"Speed12RightPastBound", 12, 799, {561, 573, 585, 597, 597}},
                             // Or until the ball's left edge is no longer beyond left + 210.
                             {"Speed8RightIntoDeadZone", 8, 760, {529, 537, 545, 553, 553}},
                             {"Speed8LeftIntoDeadZone", 8, 300, {220, 212, 204, 196, 196}},
                         }),
                         [](const auto& info) { return info.param.name; });

struct FinalCase {
  std::string name;
  std::int32_t aiSpeed;
  std::int32_t startLeft;
  std::int32_t ballLeft;
  std::int32_t finalLeft;
};

class AICheckSettlesTest : public testing::TestWithParam<FinalCase> {};

TEST_P(AICheckSettlesTest, EachCallStepsOnceUntilItSettles) {
  const FinalCase& c = GetParam();
  Rect ai = ComputerAt(c.startLeft);
  for (int call = 0; call < 200; ++call) {
    const std::int32_t before = ai.left;
    AICheck(ai, BallAtLeft(c.ballLeft), c.aiSpeed);
    const std::int32_t moved = ai.left - before;
    ASSERT_TRUE(moved == 0 || moved == c.aiSpeed || moved == -c.aiSpeed) << moved;
  }
  EXPECT_EQ(ai, ComputerAt(c.finalLeft));
}

INSTANTIATE_TEST_SUITE_P(Table, AICheckSettlesTest,
                         testing::ValuesIn(std::vector<FinalCase>{
                             {"Speed8ToFarRight", 8, 33, 799, 593},
                             {"Speed12ToFarRight", 12, 33, 799, 597},
                             {"Speed8ToBallNearRightWall", 8, 33, 760, 553},
                             {"Speed8ToFarLeft", 8, 33, 0, 1},
                             {"Speed12ToFarLeft", 12, 33, 0, -3},
                             {"Speed8FromRightToMiddle", 8, 500, 300, 196},
                             {"Speed0", 0, 33, 799, 33},
                         }),
                         [](const auto& info) { return info.param.name; });

struct OneCallCase {
  std::string name;
  std::int32_t aiSpeed;
  std::int32_t aiLeft;
  std::int32_t ballLeft;
  std::int32_t expectedLeft;
};

class AICheckOneCallTest : public testing::TestWithParam<OneCallCase> {};

TEST_P(AICheckOneCallTest, MovesTo) {
  const OneCallCase& c = GetParam();
  Rect ai = ComputerAt(c.aiLeft);
  AICheck(ai, BallAtLeft(c.ballLeft), c.aiSpeed);
  EXPECT_EQ(ai, ComputerAt(c.expectedLeft));
}

INSTANTIATE_TEST_SUITE_P(
    Table, AICheckOneCallTest,
    testing::ValuesIn(std::vector<OneCallCase>{
        // The dead zone: ball.left from left + 100 to left + 210 holds it still.
        {"BallAtRightOffset", 8, 300, 510, 300},
        {"BallPastRightOffset", 8, 300, 511, 308},
        {"BallAtLeftOffset", 8, 300, 400, 300},
        {"BallShortOfLeftOffset", 8, 300, 399, 292},
        {"BallInDeadZone", 8, 300, 450, 300},
        // Its own bounds, tested before the step.
        {"RightBound", 8, 589, 900, 589},
        {"LastStepRight", 8, 588, 900, 596},
        {"LeftBound", 8, 6, 0, 6},
        {"LastStepLeft", 8, 7, 0, -1},
        // The second test compares with the left edge the first one just moved:
        // a step of more than 110 can overshoot the dead zone and come straight
        // back in the same call.
        {"Speed110CannotOvershoot", 110, 100, 311, 210},
        {"Speed111StopsOnTheLeftOffset", 111, 100, 311, 211},
        {"Speed111OneStep", 111, 100, 312, 211},
        {"Speed112StepsBothWays", 112, 100, 311, 100},
        {"Speed200StepsBothWays", 200, 100, 350, 100},
        {"Speed200LandsOnTheLeftOffset", 200, 100, 400, 300},
        {"StepBackNeedsTheLeftBound", 150, -200, 20, -50},
    }),
    [](const auto& info) { return info.param.name; });

// Up to 110 a step can never carry the paddle past the dead zone, so at most
// one of the two tests acts in a call: checked over the whole field.
TEST(AICheck, AtMostOneStepUpToSpeed110) {
  for (std::int32_t speed : {1, 4, 8, 12, 50, 109, 110}) {
    for (std::int32_t aiLeft = -20; aiLeft <= 620; ++aiLeft) {
      for (std::int32_t ballLeft = -40; ballLeft <= 840; ++ballLeft) {
        std::int32_t expected = aiLeft;
        if (ballLeft > aiLeft + 210 && aiLeft < 589) {
          expected = aiLeft + speed;
        } else if (ballLeft < aiLeft + 100 && aiLeft > 6) {
          expected = aiLeft - speed;
        }
        Rect ai = ComputerAt(aiLeft);
        AICheck(ai, BallAtLeft(ballLeft), speed);
        ASSERT_EQ(ai, ComputerAt(expected))
            << "speed " << speed << ", computer at " << aiLeft << ", ball at " << ballLeft;
      }
    }
  }
}

}  // namespace
}  // namespace rallix
