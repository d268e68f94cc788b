// One pass of a single-player rally: the start geometry, what each key does,
// the order of the steps within a pass, and whole rallies to a win and a loss.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/key_codes.h"
#include "rules/single_player_rally.h"
#include "tests/rules/rules_test_support.h"

namespace rallix {
namespace {

constexpr Rect BallAt(std::int32_t left, std::int32_t top) {
  return {left, top, left + Rally::BallSize, top + Rally::BallSize};
}
constexpr Rect PlayerAt(std::int32_t left) {
  return {left, 550, left + 210, 600};
}
constexpr Rect ComputerAt(std::int32_t left) {
  return {left, 5, left + 205, 45};
}

void ExpectSameRally(const SinglePlayerRally& actual, const SinglePlayerRally& expected) {
  EXPECT_EQ(actual.BallRect, expected.BallRect);
  EXPECT_EQ(actual.PlayerRect, expected.PlayerRect);
  EXPECT_EQ(actual.AIRect, expected.AIRect);
  EXPECT_EQ(Steps(actual.Ball), Steps(expected.Ball));
  EXPECT_EQ(actual.BallSpeed, expected.BallSpeed);
  EXPECT_EQ(actual.AISpeed, expected.AISpeed);
  EXPECT_EQ(actual.Paused, expected.Paused);
}

TEST(SinglePlayerStart, FirstEditionPlayerStartsAt33) {
  const SinglePlayerRally rally = SinglePlayerRally::FirstEdition(100, 5, 4);
  EXPECT_EQ(rally.BallRect, (Rect{100, 0, 140, 40}));
  EXPECT_EQ(rally.PlayerRect, (Rect{33, 550, 243, 600}));
  EXPECT_EQ(rally.AIRect, (Rect{33, 5, 238, 45}));
  EXPECT_EQ(Steps(rally.Ball), std::pair(5, 5));
  EXPECT_EQ(rally.BallSpeed, 5);
  EXPECT_EQ(rally.AISpeed, 4);
  EXPECT_FALSE(rally.Paused);
}

TEST(SinglePlayerStart, FullGamePlayerStartsAt161) {
  const SinglePlayerRally rally = SinglePlayerRally::FullGame(720, 40, 0);
  EXPECT_EQ(rally.BallRect, (Rect{720, 0, 760, 40}));
  EXPECT_EQ(rally.PlayerRect, (Rect{161, 550, 371, 600}));
  EXPECT_EQ(rally.AIRect, (Rect{33, 5, 238, 45}));
  EXPECT_EQ(Steps(rally.Ball), std::pair(40, 40));
  EXPECT_EQ(rally.BallSpeed, 40);
  EXPECT_EQ(rally.AISpeed, 0);
  EXPECT_FALSE(rally.Paused);
}

TEST(SinglePlayerPass, EscapeEndsAtOnceLeavingEverything) {
  SinglePlayerRally rally = SinglePlayerRally::FullGame(100, 5, 4);
  rally.BallRect = BallAt(600, 555);  // this pass would otherwise lose
  const SinglePlayerRally before = rally;
  const PassResult result = RunSinglePlayerPass(rally, KeyboardOnly(KeyCode::Escape));
  EXPECT_EQ(result.end, PassEnd::Escape);
  EXPECT_EQ(result.collision, Collision::None);
  EXPECT_FALSE(result.hitSound);
  ExpectSameRally(rally, before);
}

TEST(SinglePlayerPass, EscapeWhilePausedStillEnds) {
  SinglePlayerRally rally = SinglePlayerRally::FullGame(100, 5, 4);
  rally.Paused = true;
  const SinglePlayerRally before = rally;
  EXPECT_EQ(RunSinglePlayerPass(rally, KeyboardOnly(KeyCode::Escape)).end, PassEnd::Escape);
  ExpectSameRally(rally, before);
}

TEST(SinglePlayerPass, JoystickStepsBeforeEscapeIsSeen) {
  SinglePlayerRally rally = SinglePlayerRally::FullGame(100, 5, 4, /*useJoystick=*/true);
  PassInput input = KeyboardOnly(KeyCode::Escape);
  input.player1JoyX = 5000;
  SinglePlayerRally expected = rally;
  expected.PlayerRect = PlayerAt(165);
  EXPECT_EQ(RunSinglePlayerPass(rally, input).end, PassEnd::Escape);
  ExpectSameRally(rally, expected);
}

// A press of Pause lasts several passes; only its first pass counts.
TEST(SinglePlayerPass, PauseFlipsOncePerPress) {
  struct Case {
    std::vector<std::uint8_t> keys;
    std::vector<bool> paused;  // after each pass
  };
  constexpr std::uint8_t P = KeyCode::Pause;
  constexpr std::uint8_t N = KeyCode::None;
  constexpr std::uint8_t L = KeyCode::LeftArrow;
  const std::vector<Case> cases = {
      {{P, P, P, P, P, P}, {true, true, true, true, true, true}},
      {{P, N, P, P, N, P}, {true, true, false, false, false, true}},
      // Another key between two passes of Pause ends the press.
      {{P, L, P}, {true, true, false}},
      {{N, N, P}, {false, false, true}},
  };
  for (const Case& c : cases) {
    SinglePlayerRally rally = SinglePlayerRally::FullGame(400, 5, 4);
    for (std::size_t pass = 0; pass < c.keys.size(); ++pass) {
      const PassResult result = RunSinglePlayerPass(rally, KeyboardOnly(c.keys[pass]));
      EXPECT_EQ(rally.Paused, c.paused[pass])
          << "pass " << pass + 1 << " of case " << &c - &cases[0];
      EXPECT_EQ(result.end, c.paused[pass] ? PassEnd::Paused : PassEnd::Continue);
    }
  }
}

TEST(SinglePlayerPass, WhilePausedOnlyThePaddleMoves) {
  SinglePlayerRally rally = SinglePlayerRally::FullGame(100, 5, 4);
  ASSERT_EQ(RunSinglePlayerPass(rally, KeyboardOnly(KeyCode::Pause)).end, PassEnd::Paused);
  const SinglePlayerRally paused = rally;

  const std::vector<std::uint8_t> keys = {KeyCode::LeftArrow, KeyCode::LeftArrow,
                                          KeyCode::LeftArrow, KeyCode::RightArrow,
                                          KeyCode::None,      KeyCode::Enter};
  for (std::uint8_t key : keys) {
    const PassResult result = RunSinglePlayerPass(rally, KeyboardOnly(key));
    EXPECT_EQ(result.end, PassEnd::Paused) << int{key};
    EXPECT_EQ(result.collision, Collision::None);
    EXPECT_FALSE(result.hitSound);
  }
  SinglePlayerRally expected = paused;
  expected.PlayerRect = PlayerAt(161 - 12 + 4);
  ExpectSameRally(rally, expected);
}

TEST(SinglePlayerPass, KeyboardNotInUseIgnoresEveryKey) {
  for (std::uint8_t key :
       {KeyCode::Escape, KeyCode::Pause, KeyCode::LeftArrow, KeyCode::RightArrow}) {
    SinglePlayerRally rally =
        SinglePlayerRally::FullGame(400, 5, 4, /*useJoystick=*/false, /*useKeyboard=*/false);
    const PassResult result = RunSinglePlayerPass(rally, KeyboardOnly(key));
    EXPECT_EQ(result.end, PassEnd::Continue) << int{key};
    EXPECT_FALSE(rally.Paused) << int{key};
    EXPECT_EQ(rally.BallRect, BallAt(405, 5)) << int{key};
    EXPECT_EQ(rally.PlayerRect, PlayerAt(161)) << int{key};
  }
}

TEST(SinglePlayerPass, OtherKeysOnlyLetTheBallMove) {
  for (std::uint8_t key : {KeyCode::None, KeyCode::Enter, KeyCode::Space, KeyCode::UpArrow,
                           KeyCode::DownArrow, std::uint8_t{255}}) {
    SinglePlayerRally rally = SinglePlayerRally::FullGame(400, 5, 4);
    const PassResult result = RunSinglePlayerPass(rally, KeyboardOnly(key));
    EXPECT_EQ(result.end, PassEnd::Continue) << int{key};
    EXPECT_FALSE(rally.Paused) << int{key};
    EXPECT_EQ(rally.BallRect, BallAt(405, 5)) << int{key};
    EXPECT_EQ(rally.PlayerRect, PlayerAt(161)) << int{key};
  }
}

struct TwoDeviceCase {
  std::string name;
  std::int32_t joyX;
  std::uint8_t key;
  std::int32_t startLeft;
  std::int32_t expectedLeft;
};

class TwoDevicePassTest : public testing::TestWithParam<TwoDeviceCase> {};

TEST_P(TwoDevicePassTest, JoystickThenKeyboard) {
  const TwoDeviceCase& c = GetParam();
  SinglePlayerRally rally = SinglePlayerRally::FullGame(400, 5, 4, /*useJoystick=*/true);
  rally.PlayerRect = PlayerAt(c.startLeft);
  PassInput input = KeyboardOnly(c.key);
  input.player1JoyX = c.joyX;
  RunSinglePlayerPass(rally, input);
  EXPECT_EQ(rally.PlayerRect, PlayerAt(c.expectedLeft));
}

INSTANTIATE_TEST_SUITE_P(Table, TwoDevicePassTest,
                         testing::ValuesIn(std::vector<TwoDeviceCase>{
                             {"BothRight", 5000, KeyCode::RightArrow, 300, 308},
                             {"BothLeft", 0, KeyCode::LeftArrow, 300, 292},
                             {"JoystickRightKeyLeft", 5000, KeyCode::LeftArrow, 300, 300},
                             {"JoystickLeftKeyRight", 0, KeyCode::RightArrow, 300, 300},
                             {"JoystickCentredKeyRight", 2500, KeyCode::RightArrow, 300, 304},
                             {"JoystickRightNoKey", 5000, KeyCode::None, 300, 304},
                             {"BothRightNearBound", 5000, KeyCode::RightArrow, 585, 589},
                             {"BothLeftNearBound", 0, KeyCode::LeftArrow, 5, 1},
                             // At a bound the order shows: the joystick steps away first, then the
                             // key brings the paddle back.
                             {"DisagreeAtRightBound", 0, KeyCode::RightArrow, 589, 589},
                             {"DisagreeAtLeftBound", 5000, KeyCode::LeftArrow, 1, 1},
                         }),
                         [](const auto& info) { return info.param.name; });

TEST(SinglePlayerPass, JoystickNotInUseIsNotRead) {
  SinglePlayerRally rally = SinglePlayerRally::FullGame(400, 5, 4);
  PassInput input = KeyboardOnly(KeyCode::None);
  input.player1JoyX = 5000;
  RunSinglePlayerPass(rally, input);
  EXPECT_EQ(rally.PlayerRect, PlayerAt(161));
}

TEST(SinglePlayerPass, ComputerChasesTheBallWhereItHasJustMoved) {
  SinglePlayerRally rally = SinglePlayerRally::FullGame(0, 10, 8);
  rally.AIRect = ComputerAt(300);
  rally.BallRect = BallAt(505, 300);  // moves to 515, past 300 + 210
  RunSinglePlayerPass(rally, KeyboardOnly(KeyCode::None));
  EXPECT_EQ(rally.BallRect, BallAt(515, 310));
  EXPECT_EQ(rally.AIRect, ComputerAt(308));
}

TEST(SinglePlayerPass, CollisionsSeeTheComputerWhereItHasJustMoved) {
  SinglePlayerRally rally = SinglePlayerRally::FullGame(0, 10, 20);
  rally.AIRect = ComputerAt(300);
  rally.BallRect = BallAt(260, 30);
  rally.Ball = {-10, -10};
  // The ball moves to 250..290, the computer steps left to 280 and meets it.
  const PassResult result = RunSinglePlayerPass(rally, KeyboardOnly(KeyCode::None));
  EXPECT_EQ(rally.AIRect, ComputerAt(280));
  EXPECT_EQ(result.collision, Collision::TopPaddle);
  EXPECT_TRUE(result.hitSound);
  EXPECT_EQ(result.end, PassEnd::Continue);
  EXPECT_EQ(Steps(rally.Ball), std::pair(-10, 10));
}

TEST(SinglePlayerPass, CollisionsSeeThePaddleWhereItHasJustMoved) {
  SinglePlayerRally rally = SinglePlayerRally::FullGame(0, 10, 0);
  rally.BallRect = BallAt(364, 510);  // moves to 374..414; the paddle's right edge goes 371 -> 375
  const PassResult result = RunSinglePlayerPass(rally, KeyboardOnly(KeyCode::RightArrow));
  EXPECT_EQ(rally.PlayerRect, PlayerAt(165));
  EXPECT_EQ(result.collision, Collision::BottomPaddle);
  EXPECT_TRUE(result.hitSound);
  EXPECT_EQ(Steps(rally.Ball), std::pair(6, -6));  // 335 < 374 < 375: the right end
}

struct EdgeCase {
  std::string name;
  Rect ball;
  BallMotion motion;
  PassEnd end;
  Collision collision;
};

class SinglePlayerEdgeTest : public testing::TestWithParam<EdgeCase> {};

TEST_P(SinglePlayerEdgeTest, EndsThePass) {
  const EdgeCase& c = GetParam();
  SinglePlayerRally rally = SinglePlayerRally::FullGame(0, 10, 0);
  rally.BallRect = c.ball;
  rally.Ball = c.motion;
  const PassResult result = RunSinglePlayerPass(rally, KeyboardOnly(KeyCode::None));
  EXPECT_EQ(result.end, c.end);
  EXPECT_EQ(result.collision, c.collision);
  EXPECT_FALSE(result.hitSound);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SinglePlayerEdgeTest,
    testing::ValuesIn(std::vector<EdgeCase>{
        {"TopEdgeWins", BallAt(400, 5), {10, -10}, PassEnd::Win, Collision::TopWall},
        {"BottomEdgeLoses", BallAt(600, 555), {10, 10}, PassEnd::Loss, Collision::BottomWall},
        {"SideWallPlaysOn", BallAt(750, 300), {10, 10}, PassEnd::Continue, Collision::RightWall},
        {"OpenFieldPlaysOn", BallAt(400, 300), {10, 10}, PassEnd::Continue, Collision::None},
    }),
    [](const auto& info) { return info.param.name; });

// A paddle end sends the ball off at 6 a pass both ways, whatever BallSpeed
// is; the side wall it reaches next sets dx back to BallSpeed, while dy keeps
// the 6 until a paddle sets it again. The ball is never moved back out of the
// wall: the next pass starts from where it met it.
struct EndZoneCase {
  std::string name;
  std::int32_t ballLeft;  // the ball starts at top 505 moving (10, 10)
  std::pair<std::int32_t, std::int32_t> endSteps;
  int wallPass;
  Collision wall;
  Rect ballAtWall;
  std::pair<std::int32_t, std::int32_t> afterWall;
};

class EndZoneRallyTest : public testing::TestWithParam<EndZoneCase> {};

TEST_P(EndZoneRallyTest, SixesUntilTheSideWall) {
  const EndZoneCase& c = GetParam();
  SinglePlayerRally rally = SinglePlayerRally::FullGame(0, 10, 0);  // player at 161..371
  rally.BallRect = BallAt(c.ballLeft, 505);

  PassResult result = RunSinglePlayerPass(rally, KeyboardOnly(KeyCode::None));
  ASSERT_EQ(result.collision, Collision::BottomPaddle);
  ASSERT_EQ(Steps(rally.Ball), c.endSteps);

  for (int pass = 2; pass < c.wallPass; ++pass) {
    const Rect before = rally.BallRect;
    result = RunSinglePlayerPass(rally, KeyboardOnly(KeyCode::None));
    ASSERT_EQ(result.collision, Collision::None) << "pass " << pass;
    ASSERT_EQ(rally.BallRect, BallAt(before.left + c.endSteps.first, before.top - 6));
  }
  result = RunSinglePlayerPass(rally, KeyboardOnly(KeyCode::None));
  EXPECT_EQ(result.collision, c.wall);
  EXPECT_EQ(rally.BallRect, c.ballAtWall);
  EXPECT_EQ(Steps(rally.Ball), c.afterWall);

  const Rect atWall = rally.BallRect;
  RunSinglePlayerPass(rally, KeyboardOnly(KeyCode::None));
  EXPECT_EQ(rally.BallRect, BallAt(atWall.left + c.afterWall.first, atWall.top - 6));
}

INSTANTIATE_TEST_SUITE_P(
    Table, EndZoneRallyTest,
    testing::ValuesIn(std::vector<EndZoneCase>{
        // Meets the paddle at 360 (331 < 360 < 371), then 360 + 6k reaches the
        // right wall at 756 on k = 66, top 515 - 396 = 119.
        {"RightEnd", 350, {6, -6}, 67, Collision::RightWall, BallAt(756, 119), {-10, -6}},
        // Meets the paddle at 170 (161 < 170 < 201), then 170 - 6k reaches the
        // left wall at 2 on k = 28, top 515 - 168 = 347.
        {"LeftEnd", 160, {-6, -6}, 29, Collision::LeftWall, BallAt(2, 347), {10, -6}},
    }),
    [](const auto& info) { return info.param.name; });

// Whole rallies, worked out by hand with BallSpeed 40 so they stay short.
// The first edition starts the ball at (720, 0) and the computer (AISpeed 0)
// stays on 33..238. The ball goes (760, 40) on pass 1 and meets the right wall,
// then back down-left 40 a pass: (280, 520) on pass 13, (240, 560) on 14.
struct ScriptedRally {
  std::function<std::uint8_t(int pass)> keyForPass;
  std::map<int, Collision> events;  // every pass not listed meets nothing
  int lastPass;
  PassEnd end;
  Rect finalBall;
  std::pair<std::int32_t, std::int32_t> finalSteps;
  std::int32_t finalPlayerLeft;
};

void PlayScriptedRally(const ScriptedRally& script) {
  SinglePlayerRally rally = SinglePlayerRally::FirstEdition(720, 40, 0);
  PassResult result;
  int pass = 0;
  while (result.end == PassEnd::Continue && pass < 100) {
    ++pass;
    result = RunSinglePlayerPass(rally, KeyboardOnly(script.keyForPass(pass)));
    const auto event = script.events.find(pass);
    const Collision expected = event == script.events.end() ? Collision::None : event->second;
    ASSERT_EQ(result.collision, expected) << "pass " << pass;
    ASSERT_EQ(result.hitSound, IsPaddleHit(expected)) << "pass " << pass;
  }
  EXPECT_EQ(pass, script.lastPass);
  EXPECT_EQ(result.end, script.end);
  EXPECT_EQ(rally.BallRect, script.finalBall);
  EXPECT_EQ(Steps(rally.Ball), script.finalSteps);
  EXPECT_EQ(rally.PlayerRect, PlayerAt(script.finalPlayerLeft));
  EXPECT_EQ(rally.AIRect, ComputerAt(33));
}

TEST(ScriptedRally, HoldingLeftMissesTheBallAndLoses) {
  // The paddle reaches 1..211 by pass 8 and the ball comes down at 240.
  PlayScriptedRally({[](int) { return KeyCode::LeftArrow; },
                     {{1, Collision::RightWall}, {14, Collision::BottomWall}},
                     14,
                     PassEnd::Loss,
                     BallAt(240, 560),
                     {-40, 40},
                     1});
}

TEST(ScriptedRally, MiddleHitPastTheComputerWins) {
  // Right on passes 1-9 puts the paddle at 69..279, clear of the ball at 280
  // on pass 13; one more Right on pass 14 makes it 73..283, and the ball at 240
  // meets its middle (not past 73 + 40, not past 283 - 40). Sunk 10 deep, the
  // ball meets it again on pass 15 at 200, goes up-left to the left wall at 0
  // on pass 20, then up-right: (280, 40) clears the computer's right edge 238
  // on pass 27 and (320, 0) meets the top edge on pass 28.
  PlayScriptedRally(
      {[](int pass) { return pass <= 9 || pass == 14 ? KeyCode::RightArrow : KeyCode::None; },
       {{1, Collision::RightWall},
        {14, Collision::BottomPaddle},
        {15, Collision::BottomPaddle},
        {20, Collision::LeftWall},
        {28, Collision::TopWall}},
       28,
       PassEnd::Win,
       BallAt(320, 0),
       {40, -40},
       73});
}

}  // namespace
}  // namespace rallix
