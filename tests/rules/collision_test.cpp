// The ordered collision tests: which one acts, and what each rebound does to
// the ball's steps. BallSpeed 7 here, so it cannot be mistaken for the paddle
// ends' fixed 6.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/rally_rules.h"
#include "tests/rules/rules_test_support.h"

namespace rallix {
namespace {

constexpr std::int32_t ballSpeed = 7;
// Its ends: left zone 201..239, right zone 371..409 (by the ball's left edge).
constexpr Rect bottomPaddle{200, 550, 410, 600};
constexpr Rect topPaddle{33, 5, 238, 45};

constexpr Rect BallAt(std::int32_t left, std::int32_t top) {
  return {left, top, left + Rally::BallSize, top + Rally::BallSize};
}

struct CollisionCase {
  std::string name;
  Rect ball;
  BallMotion before;
  Collision expected;
  BallMotion after;
  Rect bottom = bottomPaddle;
  Rect top = topPaddle;
};

const std::vector<CollisionCase> collisionCases = {
    {"OpenField", BallAt(400, 300), {7, 7}, Collision::None, {7, 7}},

    // The bottom paddle's middle: up at BallSpeed, dx as it was.
    {"PaddleMiddleKeepsDx", BallAt(300, 520), {-7, 7}, Collision::BottomPaddle, {-7, -7}},
    {"PaddleSetsUpwardSpeedRatherThanReversing",
     BallAt(300, 520),
     {6, -6},
     Collision::BottomPaddle,
     {6, -7}},
    {"TouchingPaddleTopMisses", BallAt(300, 510), {7, 7}, Collision::None, {7, 7}},

    // The right end: paddle.right - 40 < ball.left < paddle.right, both strict.
    {"RightEndBoundaryIsStillMiddle", BallAt(370, 520), {7, 7}, Collision::BottomPaddle, {7, -7}},
    {"RightEndFirstPixel", BallAt(371, 520), {-7, 7}, Collision::BottomPaddle, {6, -6}},
    {"RightEndOverhangingGoesUpRight", BallAt(395, 520), {-7, 7}, Collision::BottomPaddle, {6, -6}},
    {"RightEndLastPixel", BallAt(409, 520), {-7, 7}, Collision::BottomPaddle, {6, -6}},
    {"TouchingRightEndMisses", BallAt(410, 520), {-7, 7}, Collision::None, {-7, 7}},

    // The left end: paddle.left < ball.left < paddle.left + 40, both strict.
    {"LeftEndBoundaryIsStillMiddle", BallAt(200, 520), {7, 7}, Collision::BottomPaddle, {7, -7}},
    {"LeftEndFirstPixel", BallAt(201, 520), {7, 7}, Collision::BottomPaddle, {-6, -6}},
    {"LeftEndLastPixel", BallAt(239, 520), {7, 7}, Collision::BottomPaddle, {-6, -6}},
    {"JustPastLeftEndIsMiddle", BallAt(240, 520), {7, 7}, Collision::BottomPaddle, {7, -7}},
    // Overhanging the left end, the ball's left edge lies outside the paddle:
    // it goes straight back up with dx unchanged.
    {"LeftEndOverhangingKeepsDx", BallAt(170, 520), {7, 7}, Collision::BottomPaddle, {7, -7}},
    {"LeftEndOnePixelOverlap", BallAt(161, 520), {-7, 7}, Collision::BottomPaddle, {-7, -7}},
    {"TouchingLeftEndMisses", BallAt(160, 520), {-7, 7}, Collision::None, {-7, 7}},

    {"TopPaddleSendsDown", BallAt(100, 20), {-7, -7}, Collision::TopPaddle, {-7, 7}},
    {"TopPaddleSetsSpeed", BallAt(100, 20), {6, -6}, Collision::TopPaddle, {6, 7}},
    {"TouchingTopPaddleUndersideMisses", BallAt(100, 45), {7, -7}, Collision::None, {7, -7}},

    {"RightWall", BallAt(760, 300), {7, 7}, Collision::RightWall, {-7, 7}},
    {"RightWallFirstPixel", BallAt(756, 300), {7, 7}, Collision::RightWall, {-7, 7}},
    {"TouchingRightWallMisses", BallAt(755, 300), {7, 7}, Collision::None, {7, 7}},
    {"RightWallWhileAlreadyLeaving", BallAt(790, 300), {-7, 7}, Collision::RightWall, {-7, 7}},
    {"RightWallRestoresBallSpeed", BallAt(760, 300), {6, -6}, Collision::RightWall, {-7, -6}},

    {"LeftWall", BallAt(0, 300), {-7, 7}, Collision::LeftWall, {7, 7}},
    {"LeftWallLastPixel", BallAt(4, 300), {-7, 7}, Collision::LeftWall, {7, 7}},
    {"TouchingLeftWallMisses", BallAt(5, 300), {-7, 7}, Collision::None, {-7, 7}},
    {"LeftWallRestoresBallSpeed", BallAt(0, 300), {-6, -6}, Collision::LeftWall, {7, -6}},

    {"TopWallLeavesStepsAlone", BallAt(400, 0), {7, -7}, Collision::TopWall, {7, -7}},
    {"TopWallFarSide", BallAt(400, -39), {7, -7}, Collision::TopWall, {7, -7}},
    {"TouchingTopWallMisses", BallAt(400, 1), {7, -7}, Collision::None, {7, -7}},

    {"BottomWallLeavesStepsAlone", BallAt(600, 560), {7, 7}, Collision::BottomWall, {7, 7}},
    {"TouchingBottomWallMisses", BallAt(600, 559), {7, 7}, Collision::None, {7, 7}},

    // Only the first overlap in the fixed order acts.
    {"PaddleBeatsLeftAndBottomWall",
     BallAt(0, 560),
     {-7, 7},
     Collision::BottomPaddle,
     {-7, -7},
     {0, 550, 210, 600}},
    {"PaddleEndBeatsRightWall",
     BallAt(770, 520),
     {7, 7},
     Collision::BottomPaddle,
     {6, -6},
     {589, 550, 799, 600}},
    {"BottomPaddleBeatsTopPaddle",
     BallAt(300, 520),
     {7, 7},
     Collision::BottomPaddle,
     {7, -7},
     bottomPaddle,
     {250, 530, 455, 570}},
    {"TopPaddleBeatsTopWall", BallAt(100, 0), {7, -7}, Collision::TopPaddle, {7, 7}},
    // The computer can stand as far right as 593..798, over the right wall.
    {"TopPaddleBeatsRightWall",
     BallAt(770, 10),
     {7, -7},
     Collision::TopPaddle,
     {7, 7},
     bottomPaddle,
     {593, 5, 798, 45}},
    {"TopPaddleBeatsLeftWall",
     BallAt(-10, 10),
     {-7, -7},
     Collision::TopPaddle,
     {-7, 7},
     bottomPaddle,
     {0, 5, 205, 45}},
    {"RightWallBeatsTopWall", BallAt(770, -10), {7, -7}, Collision::RightWall, {-7, -7}},
    {"RightWallBeatsBottomWall", BallAt(770, 570), {7, 7}, Collision::RightWall, {-7, 7}},
    {"LeftWallBeatsTopWall", BallAt(-10, -10), {-7, -7}, Collision::LeftWall, {7, -7}},
    {"LeftWallBeatsBottomWall", BallAt(-10, 570), {-7, 7}, Collision::LeftWall, {7, 7}},
};

class TestCollisionsTest : public testing::TestWithParam<CollisionCase> {};

TEST_P(TestCollisionsTest, FirstOverlapActs) {
  const CollisionCase& c = GetParam();
  BallMotion motion = c.before;
  EXPECT_EQ(TestCollisions(c.ball, motion, ballSpeed, c.bottom, c.top), c.expected);
  EXPECT_EQ(Steps(motion), Steps(c.after));
}

INSTANTIATE_TEST_SUITE_P(Table, TestCollisionsTest, testing::ValuesIn(collisionCases),
                         [](const auto& info) { return info.param.name; });

TEST(IsPaddleHit, OnlyPaddlesSoundTheHit) {
  EXPECT_TRUE(IsPaddleHit(Collision::BottomPaddle));
  EXPECT_TRUE(IsPaddleHit(Collision::TopPaddle));
  for (Collision c : {Collision::None, Collision::RightWall, Collision::LeftWall,
                      Collision::TopWall, Collision::BottomWall}) {
    EXPECT_FALSE(IsPaddleHit(c));
  }
}

}  // namespace
}  // namespace rallix
