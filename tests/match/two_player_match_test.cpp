// The full game's two-player match on a headless runtime: its set-up, the
// keyboard and mouse players through real input events, the endings seen from
// player 1 without a banner, and what a bad file does.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/errors.h"
#include "match/frm_mp.h"
#include "settings/full_game_settings.h"
#include "tests/match/match_test_support.h"

namespace rallix {
namespace {

using testing::ExistingFiles;
using testing::kFrameMs;
using testing::LitPixelsOutsideField;
using testing::SpritePixelsMissing;
using testing::Timer1Interval;

const std::vector<std::string> kMatchPictures = {"pal1.bmp", "pal2.bmp", "cball.bmp"};

TwoPlayerSettings Players(const std::string& player1, const std::string& player2,
                          std::int16_t ballSpeed = 5) {
  TwoPlayerSettings s;
  s.BallSpeed = ballSpeed;
  s.Player1Device = player1;
  s.Player2Device = player2;
  return s;
}

class TwoPlayerMatch : public testing::MatchTest<FrmMP> {
 protected:
  void Start(const TwoPlayerSettings& s) {
    WriteTwoPlayerSettings(s);
    testing::LayOutPictures(/*withBanners=*/false);
    StartMatchFromSettings();
  }
};

TEST_F(TwoPlayerMatch, SetUpTakesThePicturesKeepsTheRestAndHidesThePointer) {
  WriteTwoPlayerSettings(Players("Keyboard", "Mouse", 6));
  testing::LayOutPictures(false);
  // Banners left by an earlier single-player match are not the two-player
  // match's to take.
  SavePicture(art::WinBanner(), "yw.bmp");
  SavePicture(art::LossBanner(), "yl.bmp");
  StartMatchFromSettings();
  EXPECT_EQ(ExistingFiles(kMatchPictures), std::vector<std::string>{});
  const std::vector<std::string> stay = {"bg.bmp", "mp1.cfg", "b.wav", "yw.bmp", "yl.bmp"};
  EXPECT_EQ(ExistingFiles(stay), stay);
  EXPECT_EQ(Runtime().Devices().CursorCount(), -1);
  EXPECT_EQ(Timer1Interval(match), 0);
  EXPECT_EQ(match.Player1Device(), "Keyboard");
  EXPECT_EQ(match.Player2Device(), "Mouse");
  EXPECT_EQ(match.BallPicture().pixels, art::BluePlasticBall().pixels);
  EXPECT_EQ(match.Rally().BallSpeed, 6);
  EXPECT_FALSE(match.Rally().Paused);
}

TEST_F(TwoPlayerMatch, StartsWithTheBallUnderPlayerTwoAndBothPaddlesLeft) {
  WriteTwoPlayerSettings(Players("Keyboard", "Keyboard", 4));
  testing::LayOutPictures(false);
  Runtime().Start(match);  // loaded, not yet painted: no pass has run
  EXPECT_EQ(match.Rally().BallRect, (Rect{0, 40, 40, 80}));
  EXPECT_EQ(match.Rally().PlayerRect, (Rect{33, 550, 243, 600}));
  EXPECT_EQ(match.Rally().Player2Rect, (Rect{33, 5, 238, 45}));
  EXPECT_EQ(match.Rally().Ball.dx, 4);
  EXPECT_EQ(match.Rally().Ball.dy, 4);
}

TEST_F(TwoPlayerMatch, TakesTheWholeScreenAndDrawsTheFieldInItsTopLeftCorner) {
  Start(Players("Keyboard", "Keyboard", 3));
  headless.RunForMs(500);  // the ball (3, 3 a pass) is clear of both paddles by now
  const Picture frame = Runtime().Snapshot();
  EXPECT_EQ(match.Shape().state, WindowState::FullScreen);
  EXPECT_EQ(frame.width, Runtime().Window().Width());
  ASSERT_GT(frame.width, testing::kFieldWidth);
  const TwoPlayerRally& rally = match.Rally();
  EXPECT_EQ(
      SpritePixelsMissing(frame, art::LightPaddle(), rally.PlayerRect.left, rally.PlayerRect.top),
      0);
  EXPECT_EQ(
      SpritePixelsMissing(frame, art::DarkPaddle(), rally.Player2Rect.left, rally.Player2Rect.top),
      0);
  EXPECT_EQ(
      SpritePixelsMissing(frame, art::BluePlasticBall(), rally.BallRect.left, rally.BallRect.top),
      0);
  EXPECT_EQ(LitPixelsOutsideField(frame), 0);
}

struct MouseCase {
  const char* name;
  int motion;
  int step;
};

class TwoPlayerMouse : public TwoPlayerMatch, public ::testing::WithParamInterface<MouseCase> {};

TEST_P(TwoPlayerMouse, MovesThePaddleByHalfTheMotionRoundedDown) {
  const MouseCase& c = GetParam();
  Start(Players("Mouse", "Keyboard"));
  // Somewhere in the middle, so neither bound stops the step.
  InjectMouseMotion(600, 0);
  RunOnePass();
  const std::int32_t before = match.Rally().PlayerRect.left;
  ASSERT_EQ(before, 333);

  InjectMouseMotion(c.motion, 7);
  RunOnePass();
  EXPECT_EQ(match.MouseX(), static_cast<float>(c.motion));
  EXPECT_EQ(match.Rally().PlayerRect.left, before + c.step);
  EXPECT_EQ(match.Rally().PlayerRect.right, before + c.step + 210);
  EXPECT_EQ(match.Rally().Player2Rect.left, 33) << "player 2 steers by keyboard";
}

INSTANTIATE_TEST_SUITE_P(Floor, TwoPlayerMouse,
                         ::testing::Values(MouseCase{"MinusOne", -1, -1},
                                           MouseCase{"PlusOne", 1, 0},
                                           MouseCase{"MinusThree", -3, -2},
                                           MouseCase{"PlusThree", 3, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TwoPlayerMatch, MouseMotionBeforeTheMatchDoesNotMoveThePaddle) {
  WriteTwoPlayerSettings(Players("Keyboard", "Mouse"));
  testing::LayOutPictures(false);
  Runtime().Start(settings);
  InjectMouseMotion(300, 0);
  Runtime().RunFrame();  // moved on the settings screen
  StartMatchFromSettings();
  RunOnePass();
  EXPECT_EQ(match.Rally().Player2Rect.left, 33);
}

TEST_F(TwoPlayerMatch, TheKeyboardPlayerAndTheMousePlayerSteerEachTheirOwnPaddle) {
  Start(Players("Keyboard", "Mouse"));
  // A tap reads as down in exactly one pass, however the passes fall in frames.
  InjectKeyTap(KeyCode::RightArrow);
  RunOnePass();
  InjectKeyTap(KeyCode::RightArrow);
  RunOnePass();
  EXPECT_EQ(match.Rally().PlayerRect.left, 41);
  EXPECT_EQ(match.Rally().Player2Rect.left, 33);

  InjectMouseMotion(100, 0);
  RunOnePass();
  EXPECT_EQ(match.Rally().PlayerRect.left, 41);
  EXPECT_EQ(match.Rally().Player2Rect, (Rect{83, 5, 293, 45}));
}

TEST_F(TwoPlayerMatch, TwoKeyboardPlayersShareTheArrowKeys) {
  Start(Players("Keyboard", "Keyboard"));
  InjectKeyTap(KeyCode::RightArrow);
  RunOnePass();
  EXPECT_EQ(match.Rally().PlayerRect.left, 37);
  EXPECT_EQ(match.Rally().Player2Rect, (Rect{37, 5, 247, 45}));
}

TEST_F(TwoPlayerMatch, PauseAndEscWorkWhateverTheDevices) {
  Start(Players("Mouse", "Mouse"));
  InjectKeyTap(KeyCode::Pause);
  RunOnePass();
  ASSERT_TRUE(match.Rally().Paused);
  const Rect frozen = match.Rally().BallRect;
  InjectMouseMotion(40, 0);
  InjectKey(KeyCode::Enter, true);
  headless.RunForMs(100);
  InjectKey(KeyCode::Enter, false);
  EXPECT_EQ(match.LastKey(), KeyCode::Enter) << "the keyboard is read whatever the devices";
  EXPECT_EQ(match.Rally().BallRect, frozen);
  EXPECT_EQ(match.Rally().PlayerRect.left, 53) << "the paddles still move while paused";
  InjectKeyTap(KeyCode::Escape);
  ASSERT_TRUE(headless.RunUntil([&] { return OnSettings(); }, 100));
}

// The outcome of a rally whose two keyboard players hold one key throughout,
// worked out by the rules alone.
struct Foreseen {
  PassEnd end = PassEnd::Continue;
  int passes = 0;
};

Foreseen Foresee(std::int16_t ballSpeed, std::uint8_t heldKey) {
  TwoPlayerRally rally = TwoPlayerRally::Start(ballSpeed);
  PassInput input;
  input.lastKey = heldKey;
  for (int pass = 1; pass < 20000; ++pass) {
    const PassEnd end = RunTwoPlayerPass(rally, input).end;
    if (end == PassEnd::Win || end == PassEnd::Loss) {
      return {end, pass};
    }
  }
  return {};
}

struct Ending {
  std::int16_t ballSpeed = 0;
  std::uint8_t heldKey = 0;
  Foreseen foreseen;
};

Ending FindEnding(PassEnd wanted) {
  for (std::uint8_t key : {KeyCode::None, KeyCode::RightArrow, KeyCode::LeftArrow}) {
    for (std::int16_t ballSpeed = 3; ballSpeed <= 12; ++ballSpeed) {
      const Foreseen foreseen = Foresee(ballSpeed, key);
      if (foreseen.end == wanted) {
        return {ballSpeed, key, foreseen};
      }
    }
  }
  ADD_FAILURE() << "no rally leads to that ending";
  return {};
}

struct EndingCase {
  const char* name;
  PassEnd end;
  int intervalMs;
};

class TwoPlayerEnding : public TwoPlayerMatch, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(TwoPlayerEnding, HoldsTheLastFrameForItsTimeThenShowsTheSettings) {
  const EndingCase& c = GetParam();
  Picture lastDrawn;
  if (c.end == PassEnd::Escape) {
    Start(Players("Keyboard", "Mouse"));
    headless.RunForMs(100);
    lastDrawn = Runtime().Snapshot();
    InjectKeyTap(KeyCode::Escape);
    ASSERT_TRUE(headless.RunUntil([&] { return !Running(); }, 100));
  } else {
    const Ending ending = FindEnding(c.end);
    WriteTwoPlayerSettings(Players("Keyboard", "Keyboard", ending.ballSpeed));
    testing::LayOutPictures(false);
    Runtime().Start(settings);
    if (ending.heldKey != KeyCode::None) {
      InjectKey(ending.heldKey, true);
    }
    StartMatchFromSettings();
    const auto passesAtStart = Runtime().PassesRun();
    const auto lastDrawnPass = static_cast<std::uint64_t>(ending.foreseen.passes - 1);
    // Stop one pass short, to keep the last frame drawn.
    ASSERT_TRUE(
        headless.RunUntil([&] { return Runtime().PassesRun() - passesAtStart >= lastDrawnPass; },
                          ending.foreseen.passes * kFrameMs + 500));
    ASSERT_TRUE(Running());
    lastDrawn = Runtime().Snapshot();
    ASSERT_TRUE(headless.RunUntil([&] { return !Running(); }, 100));
    EXPECT_EQ(Runtime().PassesRun() - passesAtStart,
              static_cast<std::uint64_t>(ending.foreseen.passes));
    if (ending.heldKey != KeyCode::None) {
      InjectKey(ending.heldKey, false);
    }
  }
  EXPECT_EQ(Timer1Interval(match), c.intervalMs);
  const Picture frame = Runtime().Snapshot();
  EXPECT_TRUE(frame.pixels == lastDrawn.pixels) << "the ending pass changed the picture";

  const auto shown = headless.RunUntil([&] { return OnSettings(); }, c.intervalMs + 500);
  ASSERT_TRUE(shown.has_value()) << "the settings screen did not come back";
  EXPECT_GE(*shown, c.intervalMs - kFrameMs);
  EXPECT_LE(*shown, c.intervalMs + 2 * kFrameMs);
  EXPECT_FALSE(match.IsLoaded());
  EXPECT_EQ(Runtime().StackDepth(), 1u);
  EXPECT_EQ(Runtime().Devices().CursorCount(), 0);
  EXPECT_EQ(ExistingFiles(kMatchPictures), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Endings, TwoPlayerEnding,
                         ::testing::Values(EndingCase{"PlayerTwoMisses", PassEnd::Win, 4000},
                                           EndingCase{"PlayerOneMisses", PassEnd::Loss, 2000},
                                           EndingCase{"Escape", PassEnd::Escape, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

using testing::BrokenFile;

class TwoPlayerBrokenFiles : public TwoPlayerMatch,
                             public ::testing::WithParamInterface<BrokenFile> {};

TEST_P(TwoPlayerBrokenFiles, RaiseBeforeAnyFileIsDeleted) {
  WriteTwoPlayerSettings(Players("Keyboard", "Mouse"));
  testing::LayOutPictures(false);
  testing::ExpectMatchRefuses(Runtime(), match, GetParam(), "mp1.cfg", kMatchPictures);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TwoPlayerBrokenFiles,
    ::testing::Values(
        BrokenFile{"SettingsMissing", nullptr, "mp1.cfg", ErrorNumber::FileNotFound, "mp1.cfg"},
        BrokenFile{"SpeedNotANumber", "fast\r\n\"Keyboard\"\r\n\"Mouse\"\r\n", nullptr,
                   ErrorNumber::TypeMismatch, "line 1"},
        BrokenFile{"DeviceMissing", "5\r\n\"Keyboard\"\r\n", nullptr,
                   ErrorNumber::InputPastEndOfFile, "mp1.cfg"},
        // An empty device name is a joystick's, so an identifier line must follow.
        BrokenFile{"JoystickLineMissing", "5\r\n\"\"\r\n\"Mouse\"\r\n", nullptr,
                   ErrorNumber::InputPastEndOfFile, "mp1.cfg"},
        BrokenFile{"JoystickNotAttached", "5\r\n\"Keyboard\"\r\n\"Pad\"\r\n\"no-such-pad\"\r\n",
                   nullptr, ErrorNumber::PlatformServiceFailed, "no-such-pad"},
        BrokenFile{"TopPaddleMissing", nullptr, "pal2.bmp", ErrorNumber::FileNotFound, "pal2.bmp"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TwoPlayerMatch, ClosingTheWindowMidMatchGivesThePointerBack) {
  Start(Players("Mouse", "Keyboard"));
  headless.RunForMs(50);
  InjectQuit();
  headless.RunForMs(50);
  EXPECT_FALSE(match.IsLoaded());
  EXPECT_EQ(Runtime().Devices().CursorCount(), 0);
}

TEST_F(TwoPlayerMatch, AHundredMatchesInARowLeaveTheStackAsItWas) {
  for (int round = 0; round < 100; ++round) {
    Start(Players(round % 2 == 0 ? "Keyboard" : "Mouse", "Keyboard"));
    InjectKeyTap(KeyCode::Escape);
    ASSERT_TRUE(headless.RunUntil([&] { return OnSettings(); }, 500)) << "round " << round;
    ASSERT_EQ(Runtime().StackDepth(), 1u) << "round " << round;
    ASSERT_EQ(Runtime().Devices().CursorCount(), 0) << "round " << round;
  }
}

}  // namespace
}  // namespace rallix
