// The full game's single-player match on a headless runtime: its set-up and
// the files it takes, the full-screen picture, the keyboard rules, the three
// endings and the way back to the settings screen, and what a bad file does.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/errors.h"
#include "match/frm_sp.h"
#include "settings/full_game_settings.h"
#include "tests/match/match_test_support.h"

namespace rallix {
namespace {

using testing::ExistingFiles;
using testing::kFrameMs;
using testing::LitPixelsOutsideField;
using testing::SpritePixelsMissing;
using testing::Timer1Interval;

const std::vector<std::string> kMatchPictures = {"pal1.bmp", "pal2.bmp", "cball.bmp", "yw.bmp",
                                                 "yl.bmp"};
const std::vector<std::string> kFilesThatStay = {"bg.bmp", "config1.cfg", "b.wav"};

SinglePlayerSettings KeyboardSettings(std::int16_t startX, std::int16_t ballSpeed,
                                      std::int16_t aiSpeed) {
  SinglePlayerSettings s;
  s.AISpeed = aiSpeed;
  s.BallSpeed = ballSpeed;
  s.BallStartX = startX;
  return s;
}

// The outcome of a rally nobody steers, worked out by the rules alone.
struct Foreseen {
  PassEnd end = PassEnd::Continue;
  int passes = 0;
};

Foreseen Foresee(const SinglePlayerSettings& s) {
  SinglePlayerRally rally = SinglePlayerRally::FullGame(s.BallStartX, s.BallSpeed, s.AISpeed);
  for (int pass = 1; pass < 20000; ++pass) {
    const PassEnd end = RunSinglePlayerPass(rally, PassInput{}).end;
    if (end == PassEnd::Win || end == PassEnd::Loss) {
      return {end, pass};
    }
  }
  return {};
}

SinglePlayerSettings FindSettingsEndingIn(PassEnd wanted) {
  for (std::int16_t ballSpeed : {7, 6, 5, 4}) {
    for (std::int16_t column = 0; column < 720; column += 7) {
      const SinglePlayerSettings s = KeyboardSettings(column, ballSpeed, 4);
      if (Foresee(s).end == wanted) {
        return s;
      }
    }
  }
  ADD_FAILURE() << "no start leads to that ending";
  return {};
}

class SinglePlayerMatch : public testing::MatchTest<FrmSP> {
 protected:
  void Start(const SinglePlayerSettings& s) {
    WriteSinglePlayerSettings(s);
    testing::LayOutPictures(/*withBanners=*/true);
    StartMatchFromSettings();
  }
};

TEST_F(SinglePlayerMatch, SetUpTakesThePicturesKeepsTheRestAndHidesThePointer) {
  Start(KeyboardSettings(300, 5, 6));
  EXPECT_EQ(ExistingFiles(kMatchPictures), std::vector<std::string>{});
  EXPECT_EQ(ExistingFiles(kFilesThatStay), kFilesThatStay);
  EXPECT_EQ(Runtime().Devices().CursorCount(), -1);
  EXPECT_EQ(Timer1Interval(match), 0);
  EXPECT_TRUE(match.UseKeyboard());
  EXPECT_FALSE(match.UseJoystick());
  const SinglePlayerRally& rally = match.Rally();
  EXPECT_EQ(rally.PlayerRect, (Rect{161, 550, 371, 600}));
  EXPECT_EQ(rally.AIRect.top, 5);
  EXPECT_EQ(rally.BallSpeed, 5);
  EXPECT_EQ(rally.AISpeed, 6);
  EXPECT_FALSE(rally.Paused);
  EXPECT_EQ(match.BallPicture().pixels, art::BluePlasticBall().pixels);
}

TEST_F(SinglePlayerMatch, ABallPictureOfAnySizeIsDrawnFortyPixelsSquare) {
  WriteSinglePlayerSettings(KeyboardSettings(300, 5, 6));
  testing::LayOutPictures(true);
  SavePicture(art::GoldBall(), "cball.bmp");  // 95 x 95
  StartMatchFromSettings();
  EXPECT_EQ(match.BallPicture().width, 40);
  EXPECT_EQ(match.BallPicture().height, 40);
}

TEST_F(SinglePlayerMatch, BallStartsInTheTopRowAtTheSettingsColumn) {
  WriteSinglePlayerSettings(KeyboardSettings(719, 5, 6));
  testing::LayOutPictures(true);
  Runtime().Start(match);  // loaded, not yet painted: no pass has run
  EXPECT_EQ(match.Rally().BallRect, (Rect{719, 0, 759, 40}));
  EXPECT_EQ(match.Rally().AIRect, (Rect{33, 5, 238, 45}));
}

TEST_F(SinglePlayerMatch, TakesTheWholeScreenAndDrawsTheFieldInItsTopLeftCorner) {
  Start(KeyboardSettings(600, 3, 4));
  headless.RunForMs(100);
  const Picture frame = Runtime().Snapshot();
  EXPECT_EQ(match.Shape().state, WindowState::FullScreen);
  EXPECT_EQ(frame.width, Runtime().Window().Width());
  EXPECT_EQ(frame.height, Runtime().Window().Height());
  ASSERT_GT(frame.width, testing::kFieldWidth) << "the screen must be wider than the field";

  const SinglePlayerRally& rally = match.Rally();
  EXPECT_EQ(
      SpritePixelsMissing(frame, art::LightPaddle(), rally.PlayerRect.left, rally.PlayerRect.top),
      0);
  EXPECT_EQ(SpritePixelsMissing(frame, art::DarkPaddle(), rally.AIRect.left, rally.AIRect.top), 0);
  EXPECT_EQ(
      SpritePixelsMissing(frame, art::BluePlasticBall(), rally.BallRect.left, rally.BallRect.top),
      0);
  EXPECT_TRUE(testing::IsBlack(frame.At(400, 300))) << "the field has no background picture";
  EXPECT_EQ(LitPixelsOutsideField(frame), 0);
}

TEST_F(SinglePlayerMatch, ABallPastTheRightEdgeIsCutAtTheFieldsEdge) {
  // 692 + 7 x 10 = 762: the ball stands 2 pixels past the field's right edge
  // in the pass in which it meets the wall, and that pass is drawn.
  Start(KeyboardSettings(692, 7, 4));
  ASSERT_TRUE(headless.RunUntil([&] { return match.Rally().BallRect.left == 762; }, 1000));
  const Picture frame = Runtime().Snapshot();
  const int middleRow = match.Rally().BallRect.top + 20;
  EXPECT_FALSE(testing::IsBlack(frame.At(799, middleRow))) << "the ball reaches the edge";
  EXPECT_EQ(LitPixelsOutsideField(frame), 0);
}

TEST_F(SinglePlayerMatch, FollowsTheScreenWhenItChangesSizeMidMatch) {
  Start(KeyboardSettings(600, 3, 4));
  for (const auto& [width, height] : {std::pair{1000, 700}, std::pair{640, 480}}) {
    Runtime().Window().TakeShape(WindowShape{"Rallix", WindowState::Normal, width, height});
    headless.RunForMs(50);
    ASSERT_TRUE(Running());
    const Picture frame = Runtime().Snapshot();
    ASSERT_EQ(frame.width, width);
    const Rect top = match.Rally().AIRect;
    EXPECT_EQ(SpritePixelsMissing(frame, art::DarkPaddle(), top.left, top.top), 0) << width;
    EXPECT_EQ(LitPixelsOutsideField(frame), 0) << width;
  }
}

TEST_F(SinglePlayerMatch, ArrowKeysSteerAndPauseFreezesTheBall) {
  Start(KeyboardSettings(300, 3, 6));
  // A tap reads as down in exactly one pass, however the passes fall in frames.
  InjectKeyTap(KeyCode::RightArrow);
  RunOnePass();
  EXPECT_EQ(match.Rally().PlayerRect.left, 165);

  InjectKeyTap(KeyCode::Pause);
  RunOnePass();
  ASSERT_TRUE(match.Rally().Paused);
  const Rect frozen = match.Rally().BallRect;
  InjectKey(KeyCode::LeftArrow, true);
  headless.RunForMs(100);
  EXPECT_EQ(match.LastKey(), KeyCode::LeftArrow);
  EXPECT_EQ(match.Rally().BallRect, frozen);
  EXPECT_LT(match.Rally().PlayerRect.left, 165) << "the paddle still moves while paused";
}

TEST_F(SinglePlayerMatch, APausedMatchDrawsNothingUntilItGoesOn) {
  Start(KeyboardSettings(300, 3, 6));
  InjectKeyTap(KeyCode::Pause);
  RunOnePass();
  ASSERT_TRUE(match.Rally().Paused);
  const std::uint64_t drawn = Runtime().FramesDrawn();
  const std::uint64_t passes = Runtime().PassesRun();
  headless.RunForMs(200);
  EXPECT_GT(Runtime().PassesRun(), passes + 5) << "paused, the passes still read the keys";
  EXPECT_EQ(Runtime().FramesDrawn(), drawn);
  InjectKeyTap(KeyCode::Pause);
  headless.RunForMs(100);
  EXPECT_GT(Runtime().FramesDrawn(), drawn + 3) << "the rally goes on, and is drawn again";
}

TEST_F(SinglePlayerMatch, WithTheKeyboardDisabledNoKeyDoesAnything) {
  SinglePlayerSettings s = KeyboardSettings(300, 3, 6);
  s.DisableKeyboard = true;
  Start(s);
  EXPECT_FALSE(match.UseKeyboard());
  InjectKeyTap(KeyCode::Pause);
  headless.RunForMs(100);
  EXPECT_FALSE(match.Rally().Paused);
  InjectKeyTap(KeyCode::Escape);
  InjectKey(KeyCode::RightArrow, true);
  headless.RunForMs(200);
  EXPECT_TRUE(Running()) << "Esc ended a match whose keyboard is off";
  EXPECT_EQ(match.Rally().PlayerRect.left, 161);
  EXPECT_EQ(match.LastKey(), 0) << "the keyboard was read";
}

TEST_F(SinglePlayerMatch, AMatchLeftWhilePausedDoesNotLeaveTheNextOnePaused) {
  Start(KeyboardSettings(300, 3, 6));
  InjectKeyTap(KeyCode::Pause);
  RunOnePass();
  ASSERT_TRUE(match.Rally().Paused);
  InjectKeyTap(KeyCode::Escape);
  ASSERT_TRUE(headless.RunUntil([&] { return OnSettings(); }, 500));
  Start(KeyboardSettings(300, 3, 6));
  EXPECT_FALSE(match.Rally().Paused);
  const Rect start = match.Rally().BallRect;
  RunOnePass();
  EXPECT_NE(match.Rally().BallRect, start);
}

struct EndingCase {
  const char* name;
  PassEnd end;
  int intervalMs;
  const Picture& (*banner)();  // null: none
};

class SinglePlayerEnding : public SinglePlayerMatch,
                           public ::testing::WithParamInterface<EndingCase> {};

TEST_P(SinglePlayerEnding, HoldsTheLastPictureForItsTimeThenShowsTheSettings) {
  const EndingCase& c = GetParam();
  if (c.end == PassEnd::Escape) {
    Start(KeyboardSettings(300, 5, 6));
    headless.RunForMs(100);
    InjectKeyTap(KeyCode::Escape);
    ASSERT_TRUE(headless.RunUntil([&] { return !Running(); }, 100));
  } else {
    const SinglePlayerSettings s = FindSettingsEndingIn(c.end);
    const Foreseen foreseen = Foresee(s);
    Start(s);
    const auto passesAtStart = Runtime().PassesRun();
    ASSERT_TRUE(headless.RunUntil([&] { return !Running(); }, foreseen.passes * kFrameMs + 500));
    EXPECT_EQ(Runtime().PassesRun() - passesAtStart, static_cast<std::uint64_t>(foreseen.passes));
  }
  EXPECT_EQ(Timer1Interval(match), c.intervalMs);

  const Picture frame = Runtime().Snapshot();
  if (c.banner != nullptr) {
    EXPECT_EQ(SpritePixelsMissing(frame, c.banner(), 200, 200), 0) << "no banner at (200, 200)";
  }
  EXPECT_EQ(LitPixelsOutsideField(frame), 0);

  // Keys pressed while the picture stays do nothing.
  const SinglePlayerRally before = match.Rally();
  InjectKey(KeyCode::LeftArrow, true);
  const auto shown = headless.RunUntil([&] { return OnSettings(); }, c.intervalMs + 500);
  InjectKey(KeyCode::LeftArrow, false);
  ASSERT_TRUE(shown.has_value()) << "the settings screen did not come back";
  EXPECT_GE(*shown, c.intervalMs - kFrameMs);
  EXPECT_LE(*shown, c.intervalMs + 2 * kFrameMs);
  EXPECT_EQ(match.Rally().PlayerRect, before.PlayerRect);
  EXPECT_EQ(match.Rally().BallRect, before.BallRect);

  EXPECT_FALSE(match.IsLoaded());
  EXPECT_TRUE(match.BallPicture().Empty()) << "the match kept its pictures";
  EXPECT_EQ(Runtime().StackDepth(), 1u);
  EXPECT_EQ(Runtime().Devices().CursorCount(), 0);
  EXPECT_EQ(ExistingFiles(kMatchPictures), std::vector<std::string>{})
      << "the match end brought pictures back";
}

INSTANTIATE_TEST_SUITE_P(Endings, SinglePlayerEnding,
                         ::testing::Values(EndingCase{"Win", PassEnd::Win, 4000, art::WinBanner},
                                           EndingCase{"Loss", PassEnd::Loss, 2000, art::LossBanner},
                                           EndingCase{"Escape", PassEnd::Escape, 1, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

using testing::BrokenFile;

class SinglePlayerBrokenFiles : public SinglePlayerMatch,
                                public ::testing::WithParamInterface<BrokenFile> {};

TEST_P(SinglePlayerBrokenFiles, RaiseBeforeAnyFileIsDeleted) {
  WriteSinglePlayerSettings(KeyboardSettings(300, 5, 6));
  testing::LayOutPictures(true);
  testing::ExpectMatchRefuses(Runtime(), match, GetParam(), "config1.cfg", kMatchPictures);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SinglePlayerBrokenFiles,
    ::testing::Values(
        BrokenFile{"SettingsMissing", nullptr, "config1.cfg", ErrorNumber::FileNotFound,
                   "config1.cfg"},
        BrokenFile{"NotABoolean", "#FALSE#\r\nmaybe\r\n6\r\n5\r\n300\r\n", nullptr,
                   ErrorNumber::TypeMismatch, "line 2"},
        BrokenFile{"LineMissing", "#FALSE#\r\n#FALSE#\r\n6\r\n5\r\n", nullptr,
                   ErrorNumber::InputPastEndOfFile, "config1.cfg"},
        BrokenFile{"JoystickLineMissing", "#TRUE#\r\n#FALSE#\r\n6\r\n5\r\n300\r\n", nullptr,
                   ErrorNumber::InputPastEndOfFile, "config1.cfg"},
        BrokenFile{"JoystickNotAttached",
                   "#TRUE#\r\n#FALSE#\r\n6\r\n5\r\n300\r\n\"no-such-pad\"\r\n", nullptr,
                   ErrorNumber::PlatformServiceFailed, "no-such-pad"},
        BrokenFile{"BallMissing", nullptr, "cball.bmp", ErrorNumber::FileNotFound, "cball.bmp"},
        BrokenFile{"LossBannerMissing", nullptr, "yl.bmp", ErrorNumber::FileNotFound, "yl.bmp"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SinglePlayerMatch, ABadSettingsFileEndsTheProgramWithEveryFileInPlace) {
  testing::LayOutPictures(true);
  std::ofstream("config1.cfg", std::ios::binary) << "#FALSE#\r\n";
  EXPECT_EQ(RunProgram(Runtime(), match), 1);
  EXPECT_EQ(ExistingFiles(kMatchPictures), kMatchPictures);
  EXPECT_EQ(Runtime().Devices().CursorCount(), 0);
}

TEST_F(SinglePlayerMatch, ClosingTheWindowMidMatchGivesThePointerBack) {
  Start(KeyboardSettings(300, 3, 6));
  headless.RunForMs(50);
  InjectQuit();
  headless.RunForMs(50);
  EXPECT_FALSE(match.IsLoaded());
  EXPECT_EQ(Runtime().Devices().CursorCount(), 0);
}

TEST_F(SinglePlayerMatch, AHundredMatchesInARowLeaveTheStackAsItWas) {
  for (int round = 0; round < 100; ++round) {
    Start(KeyboardSettings(static_cast<std::int16_t>(100 + round), 5, 6));
    InjectKeyTap(KeyCode::Escape);
    ASSERT_TRUE(headless.RunUntil([&] { return OnSettings(); }, 500)) << "round " << round;
    ASSERT_EQ(Runtime().StackDepth(), 1u) << "round " << round;
    ASSERT_EQ(Runtime().Devices().CursorCount(), 0) << "round " << round;
  }
}

}  // namespace
}  // namespace rallix
