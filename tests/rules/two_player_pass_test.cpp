// One pass of a two-player rally: the start geometry, which device steers
// which paddle, the floored mouse step, Esc and Pause for both players, the
// top paddle being player 2's, and a whole rally to a win.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/key_codes.h"
#include "rules/two_player_rally.h"
#include "tests/rules/rules_test_support.h"

namespace rallix {
namespace {

constexpr Rect BallAt(std::int32_t left, std::int32_t top) {
  return {left, top, left + Rally::BallSize, top + Rally::BallSize};
}
constexpr Rect BottomAt(std::int32_t left) {
  return {left, 550, left + 210, 600};
}
// Player 2's paddle is 210 wide once it has moved, 205 until then.
constexpr Rect TopAt(std::int32_t left) {
  return {left, 5, left + 210, 45};
}

// Who steers with what, and what the devices report in one pass.
struct Steered : PassInput {
  SteeringDevice player1 = SteeringDevice::Keyboard;
  SteeringDevice player2 = SteeringDevice::Keyboard;
};

Steered Input(SteeringDevice player1, SteeringDevice player2, std::uint8_t key = 0) {
  Steered input;
  input.player1 = player1;
  input.player2 = player2;
  input.lastKey = key;
  return input;
}

PassResult RunTwoPlayerPass(TwoPlayerRally& rally, const Steered& steered) {
  rally.Player1Device = steered.player1;
  rally.Player2Device = steered.player2;
  return rallix::RunTwoPlayerPass(rally, static_cast<const PassInput&>(steered));
}

constexpr SteeringDevice kKeyboard = SteeringDevice::Keyboard;
constexpr SteeringDevice kMouse = SteeringDevice::Mouse;
constexpr SteeringDevice kJoystick = SteeringDevice::Joystick;

TEST(TwoPlayerStart, BallUnderPlayerTwoBothPaddlesLeft) {
  const TwoPlayerRally rally = TwoPlayerRally::Start(5);
  EXPECT_EQ(rally.BallRect, (Rect{0, 40, 40, 80}));
  EXPECT_EQ(rally.PlayerRect, (Rect{33, 550, 243, 600}));
  EXPECT_EQ(rally.Player2Rect, (Rect{33, 5, 238, 45}));
  EXPECT_EQ(Steps(rally.Ball), std::pair(5, 5));
  EXPECT_EQ(rally.BallSpeed, 5);
  EXPECT_FALSE(rally.Paused);
}

// Every device reading is set at once, each pointing a different way, so a
// paddle that follows the wrong one ends up somewhere else.
struct RoutingCase {
  std::string name;
  SteeringDevice player1;
  SteeringDevice player2;
  std::int32_t player1Left;
  std::int32_t player2Left;
};

class TwoPlayerRoutingTest : public testing::TestWithParam<RoutingCase> {};

TEST_P(TwoPlayerRoutingTest, EachPaddleFollowsItsOwnDevice) {
  const RoutingCase& c = GetParam();
  TwoPlayerRally rally = TwoPlayerRally::Start(5);
  rally.PlayerRect = BottomAt(300);
  rally.Player2Rect = TopAt(300);
  Steered input = Input(c.player1, c.player2, KeyCode::RightArrow);  // +4
  input.mouseX = -7;                                                 // -4
  input.player1JoyX = 0;                                             // -4 for player 1
  input.player2JoyX = 5000;                                          // +4 for player 2
  RunTwoPlayerPass(rally, input);
  EXPECT_EQ(rally.PlayerRect, BottomAt(c.player1Left));
  EXPECT_EQ(rally.Player2Rect, TopAt(c.player2Left));
}

INSTANTIATE_TEST_SUITE_P(Table, TwoPlayerRoutingTest,
                         testing::ValuesIn(std::vector<RoutingCase>{
                             {"KeyboardKeyboard", kKeyboard, kKeyboard, 304, 304},
                             {"KeyboardMouse", kKeyboard, kMouse, 304, 296},
                             {"MouseKeyboard", kMouse, kKeyboard, 296, 304},
                             {"MouseMouse", kMouse, kMouse, 296, 296},
                             {"JoystickJoystick", kJoystick, kJoystick, 296, 304},
                             {"JoystickKeyboard", kJoystick, kKeyboard, 296, 304},
                             {"KeyboardJoystick", kKeyboard, kJoystick, 304, 304},
                             {"MouseJoystick", kMouse, kJoystick, 296, 304},
                         }),
                         [](const auto& info) { return info.param.name; });

TEST(TwoPlayerPass, PlayerTwosFirstMoveMakesItsPaddle210Wide) {
  TwoPlayerRally rally = TwoPlayerRally::Start(5);
  RunTwoPlayerPass(rally, Input(kKeyboard, kKeyboard, KeyCode::LeftArrow));
  EXPECT_EQ(rally.Player2Rect, (Rect{29, 5, 239, 45}));
  EXPECT_EQ(rally.PlayerRect, (Rect{29, 550, 239, 600}));
}

struct MouseCase {
  float mouseX;
  std::int32_t expectedLeft;
};

class TwoPlayerMouseTest : public testing::TestWithParam<MouseCase> {};

TEST_P(TwoPlayerMouseTest, HalfTheMotionRoundedDown) {
  const MouseCase& c = GetParam();
  TwoPlayerRally rally = TwoPlayerRally::Start(5);
  rally.PlayerRect = BottomAt(300);
  rally.Player2Rect = TopAt(300);
  Steered input = Input(kMouse, kMouse);
  input.mouseX = c.mouseX;
  RunTwoPlayerPass(rally, input);
  EXPECT_EQ(rally.PlayerRect, BottomAt(c.expectedLeft));
  EXPECT_EQ(rally.Player2Rect, TopAt(c.expectedLeft));
}

INSTANTIATE_TEST_SUITE_P(Table, TwoPlayerMouseTest,
                         testing::ValuesIn(std::vector<MouseCase>{
                             {-1, 299}, {1, 300}, {-3, 298}, {3, 301}, {0, 300}, {-400, 100}}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(TwoPlayerPass, EscapeEndsAfterSteeringWithoutMovingTheBall) {
  TwoPlayerRally rally = TwoPlayerRally::Start(5);
  Steered input = Input(kMouse, kJoystick, KeyCode::Escape);
  input.mouseX = 8;
  input.player2JoyX = 5000;
  const PassResult result = RunTwoPlayerPass(rally, input);
  EXPECT_EQ(result.end, PassEnd::Escape);
  EXPECT_FALSE(result.hitSound);
  EXPECT_EQ(rally.BallRect, BallAt(0, 40));
  EXPECT_EQ(rally.PlayerRect, BottomAt(37));
  EXPECT_EQ(rally.Player2Rect, TopAt(37));
}

TEST(TwoPlayerPass, EscapeAndPauseWorkWhateverTheDevices) {
  for (SteeringDevice device : {kKeyboard, kMouse, kJoystick}) {
    TwoPlayerRally rally = TwoPlayerRally::Start(5);
    EXPECT_EQ(RunTwoPlayerPass(rally, Input(device, device, KeyCode::Pause)).end, PassEnd::Paused);
    EXPECT_EQ(RunTwoPlayerPass(rally, Input(device, device, KeyCode::Pause)).end, PassEnd::Paused)
        << "Pause held, not pressed again";
    EXPECT_TRUE(rally.Paused);
    EXPECT_EQ(RunTwoPlayerPass(rally, Input(device, device, KeyCode::Escape)).end, PassEnd::Escape);
    EXPECT_TRUE(rally.Paused) << "Esc leaves the flag as it was";
  }
}

// Two machines, two keyboards: each player's keys steer their own paddle
// only, and Esc or Pause from either player counts for both.
TEST(TwoPlayerPass, OnTwoMachinesEachPlayersKeysAreTheirOwn) {
  TwoPlayerRally rally = TwoPlayerRally::Start(5);
  rally.TwoMachines = true;
  const auto pass = [&rally](std::uint8_t bottomKey, std::uint8_t topKey) {
    return RunTwoPlayerPass(rally, PassInputOf({bottomKey, 0, Rally::JoystickCentre},
                                               {topKey, 0, Rally::JoystickCentre}));
  };
  pass(KeyCode::RightArrow, KeyCode::LeftArrow);
  EXPECT_EQ(rally.PlayerRect, BottomAt(37));
  EXPECT_EQ(rally.Player2Rect, TopAt(29)) << "the top player's own Left";
  EXPECT_EQ(pass(KeyCode::None, KeyCode::Pause).end, PassEnd::Paused);
  EXPECT_EQ(pass(KeyCode::Pause, KeyCode::Pause).end, PassEnd::Paused) << "held, not pressed";
  EXPECT_EQ(pass(KeyCode::None, KeyCode::None).end, PassEnd::Paused);
  EXPECT_EQ(pass(KeyCode::Pause, KeyCode::None).end, PassEnd::Continue);
  EXPECT_EQ(pass(KeyCode::None, KeyCode::Escape).end, PassEnd::Escape);
}

TEST(TwoPlayerPass, WhilePausedBothPaddlesSteerAndTheBallStands) {
  TwoPlayerRally rally = TwoPlayerRally::Start(5);
  ASSERT_EQ(RunTwoPlayerPass(rally, Input(kKeyboard, kMouse, KeyCode::Pause)).end, PassEnd::Paused);
  for (int pass = 0; pass < 3; ++pass) {
    Steered input = Input(kKeyboard, kMouse, KeyCode::RightArrow);
    input.mouseX = 20;
    EXPECT_EQ(RunTwoPlayerPass(rally, input).end, PassEnd::Paused);
  }
  EXPECT_EQ(rally.BallRect, BallAt(0, 40));
  EXPECT_EQ(rally.PlayerRect, BottomAt(45));
  EXPECT_EQ(rally.Player2Rect, TopAt(63));
  EXPECT_EQ(RunTwoPlayerPass(rally, Input(kKeyboard, kMouse, KeyCode::Pause)).end,
            PassEnd::Continue);
  EXPECT_EQ(rally.BallRect, BallAt(5, 45));
}

TEST(TwoPlayerPass, PlayerTwoCatchesTheBallOnTop) {
  TwoPlayerRally rally = TwoPlayerRally::Start(5);
  rally.Player2Rect = TopAt(400);
  rally.BallRect = BallAt(500, 48);  // moves to 495..535, 43..83: its top meets the paddle
  rally.Ball = {-5, -5};
  const PassResult result = RunTwoPlayerPass(rally, Input(kKeyboard, kKeyboard));
  EXPECT_EQ(result.collision, Collision::TopPaddle);
  EXPECT_TRUE(result.hitSound);
  EXPECT_EQ(result.end, PassEnd::Continue);
  EXPECT_EQ(Steps(rally.Ball), std::pair(-5, 5));
}

TEST(TwoPlayerPass, NobodyChasesTheBallForPlayerTwo) {
  TwoPlayerRally rally = TwoPlayerRally::Start(5);
  rally.BallRect = BallAt(700, 300);
  for (int pass = 0; pass < 10; ++pass) {
    RunTwoPlayerPass(rally, Input(kKeyboard, kKeyboard));
  }
  EXPECT_EQ(rally.Player2Rect, (Rect{33, 5, 238, 45}));
}

struct EdgeCase {
  std::string name;
  Rect ball;
  BallMotion motion;
  PassEnd end;
  Collision collision;
};

class TwoPlayerEdgeTest : public testing::TestWithParam<EdgeCase> {};

TEST_P(TwoPlayerEdgeTest, SeenFromPlayerOne) {
  const EdgeCase& c = GetParam();
  TwoPlayerRally rally = TwoPlayerRally::Start(10);
  rally.BallRect = c.ball;
  rally.Ball = c.motion;
  const PassResult result = RunTwoPlayerPass(rally, Input(kKeyboard, kKeyboard));
  EXPECT_EQ(result.end, c.end);
  EXPECT_EQ(result.collision, c.collision);
  EXPECT_FALSE(result.hitSound);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TwoPlayerEdgeTest,
    testing::ValuesIn(std::vector<EdgeCase>{
        {"TopEdgeWins", BallAt(400, 5), {10, -10}, PassEnd::Win, Collision::TopWall},
        {"BottomEdgeLoses", BallAt(600, 555), {10, 10}, PassEnd::Loss, Collision::BottomWall},
        {"SideWallPlaysOn", BallAt(750, 300), {10, 10}, PassEnd::Continue, Collision::RightWall},
    }),
    [](const auto& info) { return info.param.name; });

// Worked out by hand with BallSpeed 40: the ball goes (40k, 40 + 40k) and
// would reach the bottom edge on pass 13. Player 1 flicks the mouse 800 to the
// right on pass 1 (paddle 433..643); the ball meets its middle at (480, 520)
// on pass 12 and goes up-right, meets the right wall at 760 on pass 19, then
// up-left, passes player 2's paddle (33..238) at 560 and meets the top edge at
// (520, 0) on pass 25.
TEST(TwoPlayerScriptedRally, MouseFlickCatchesTheBallAndWins) {
  TwoPlayerRally rally = TwoPlayerRally::Start(40);
  PassResult result;
  int pass = 0;
  std::vector<std::pair<int, Collision>> events;
  while (result.end == PassEnd::Continue && pass < 100) {
    ++pass;
    Steered input = Input(kMouse, kKeyboard);
    input.mouseX = pass == 1 ? 800.0f : 0.0f;
    result = RunTwoPlayerPass(rally, input);
    if (result.collision != Collision::None) {
      events.emplace_back(pass, result.collision);
    }
    EXPECT_EQ(result.hitSound, IsPaddleHit(result.collision)) << "pass " << pass;
  }
  const std::vector<std::pair<int, Collision>> expected = {
      {12, Collision::BottomPaddle}, {19, Collision::RightWall}, {25, Collision::TopWall}};
  EXPECT_EQ(events, expected);
  EXPECT_EQ(result.end, PassEnd::Win);
  EXPECT_EQ(rally.BallRect, BallAt(520, 0));
  EXPECT_EQ(Steps(rally.Ball), std::pair(-40, -40));
  EXPECT_EQ(rally.PlayerRect, BottomAt(433));
}

}  // namespace
}  // namespace rallix
