#include <gtest/gtest.h>

#include "art/artwork.h"
#include "core/errors.h"
#include "core/key_codes.h"
#include "first_edition/first_edition.h"
#include "platform/files/picture_file.h"
#include "platform/files/sequential_file.h"
#include "tests/support/screen_test_support.h"

namespace rallix {
namespace {

using testing::ClickOn;
using testing::HeadlessRuntime;
using testing::ScratchFolder;

constexpr double kFrameMs = 1000.0 / 60;
const char* const kPictures[] = {"pal1.bmp", "pal2.bmp", "cball.bmp", "bg.bmp", "yw.bmp", "yl.bmp"};

// Everything the menu and the wait screen leave for the match.
void LayOutMatchFiles(const FirstEditionSettings& settings) {
  WriteFirstEditionSettings(settings);
  SavePicture(art::LightPaddle(), "pal1.bmp");
  SavePicture(art::DarkPaddle(), "pal2.bmp");
  SavePicture(art::GoldBall(), "cball.bmp");
  SavePicture(art::FieldBackground(), "bg.bmp");
  SavePicture(art::WinBanner(), "yw.bmp");
  SavePicture(art::LossBanner(), "yl.bmp");
}

// The outcome of a rally nobody steers, worked out by the rules alone.
struct Foreseen {
  PassEnd end = PassEnd::Continue;
  int passes = 0;
};

Foreseen Foresee(const FirstEditionSettings& s) {
  SinglePlayerRally rally = SinglePlayerRally::FirstEdition(s.startColumn, s.ballSpeed, s.aiSpeed);
  for (int pass = 1; pass < 20000; ++pass) {
    const PassEnd end = RunSinglePlayerPass(rally, PassInput{}).end;
    if (end == PassEnd::Win || end == PassEnd::Loss) {
      return {end, pass};
    }
  }
  return {};
}

FirstEditionSettings FindSettingsEndingIn(PassEnd wanted) {
  for (int ballSpeed : {6, 5, 4}) {
    for (int column = 0; column < 760; column += 7) {
      const FirstEditionSettings s{column, ballSpeed, 4};
      if (Foresee(s).end == wanted) {
        return s;
      }
    }
  }
  ADD_FAILURE() << "no start leads to that ending";
  return {};
}

class Match : public ::testing::Test {
 protected:
  ScratchFolder folder;
  HeadlessRuntime headless;
  FirstEdition game{headless.Runtime()};

  FormsRuntime& Runtime() { return headless.Runtime(); }

  void StartMatch(const FirstEditionSettings& settings) {
    LayOutMatchFiles(settings);
    Runtime().Start(game.match);
    ASSERT_TRUE(headless.RunUntil([&] { return Runtime().FrameLoopRunning(game.match); }, 100));
  }
  bool OnMenu() { return Runtime().TopForm() == &game.menu; }
};

TEST_F(Match, LoadingTakesThePicturesAwayAndHidesThePointer) {
  StartMatch({100, 5, 6});
  for (const char* file : kPictures) {
    EXPECT_FALSE(std::filesystem::exists(file)) << file;
  }
  EXPECT_TRUE(std::filesystem::exists("config.dat"));
  EXPECT_EQ(Runtime().Devices().CursorCount(), -1);
  EXPECT_EQ(game.match.Rally().PlayerRect, (Rect{33, 550, 243, 600}));
  EXPECT_EQ(game.match.Rally().AIRect, (Rect{33, 5, 238, 45}));
}

TEST_F(Match, RunsSixtyPassesASecond) {
  StartMatch({300, 3, 6});
  const auto before = Runtime().PassesRun();
  headless.RunForMs(1000);
  EXPECT_NEAR(static_cast<double>(Runtime().PassesRun() - before), 60.0, 1.0);
}

TEST_F(Match, EscReturnsToTheMenuAfterOneMillisecondWithThePointerShown) {
  StartMatch({100, 5, 6});
  headless.RunForMs(100);
  InjectKey(KeyCode::Escape, true);
  const auto took = headless.RunUntil([&] { return OnMenu(); }, 500);
  ASSERT_TRUE(took.has_value()) << "Esc did not leave the match";
  EXPECT_LE(*took, 2 * kFrameMs + 1);
  EXPECT_EQ(Runtime().Devices().CursorCount(), 0);
  EXPECT_FALSE(game.match.IsLoaded());
  EXPECT_EQ(Runtime().StackDepth(), 1u);
}

TEST_F(Match, AQuickTapBetweenTwoPassesStillMovesThePaddle) {
  StartMatch({300, 3, 6});
  InjectKeyTap(KeyCode::RightArrow);
  Runtime().RunFrame();
  EXPECT_EQ(game.match.Rally().PlayerRect.left, 37);
  Runtime().RunFrame();
  EXPECT_EQ(game.match.Rally().PlayerRect.left, 37) << "a released key must not keep moving";
}

TEST_F(Match, PauseFreezesTheBallWhileThePaddleStillMoves) {
  StartMatch({300, 3, 6});
  InjectKeyTap(KeyCode::Pause);
  Runtime().RunFrame();
  ASSERT_TRUE(game.match.Rally().Paused);
  const Rect frozen = game.match.Rally().BallRect;
  InjectKey(KeyCode::RightArrow, true);
  headless.RunForMs(200);
  EXPECT_EQ(game.match.Rally().BallRect, frozen);
  EXPECT_GT(game.match.Rally().PlayerRect.left, 33);
  InjectKey(KeyCode::RightArrow, false);
  InjectKeyTap(KeyCode::Pause);
  headless.RunForMs(50);
  EXPECT_FALSE(game.match.Rally().Paused);
  EXPECT_NE(game.match.Rally().BallRect, frozen);
}

TEST_F(Match, AMatchLeftWhilePausedDoesNotLeaveTheNextOnePaused) {
  StartMatch({300, 3, 6});
  InjectKeyTap(KeyCode::Pause);
  Runtime().RunFrame();
  ASSERT_TRUE(game.match.Rally().Paused);
  InjectKeyTap(KeyCode::Escape);
  ASSERT_TRUE(headless.RunUntil([&] { return OnMenu(); }, 500));
  LayOutMatchFiles({300, 3, 6});
  game.menu.Unload();
  game.match.Show();
  ASSERT_TRUE(headless.RunUntil([&] { return Runtime().FrameLoopRunning(game.match); }, 100));
  EXPECT_FALSE(game.match.Rally().Paused);
}

struct EndingCase {
  const char* name;
  PassEnd end;
  const Picture& (*banner)();
  double shownMs;
};

class MatchEnding : public Match, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(MatchEnding, ShowsItsBannerForItsTimeThenTheMenu) {
  const EndingCase& c = GetParam();
  const FirstEditionSettings settings = FindSettingsEndingIn(c.end);
  const Foreseen foreseen = Foresee(settings);
  StartMatch(settings);
  const auto passesAtStart = Runtime().PassesRun();
  ASSERT_TRUE(headless.RunUntil([&] { return !Runtime().FrameLoopRunning(game.match); },
                                foreseen.passes * kFrameMs + 1000));
  EXPECT_EQ(Runtime().PassesRun() - passesAtStart, static_cast<std::uint64_t>(foreseen.passes));

  // The banner lies over the last frame at (200, 200), black parts see-through.
  const Picture frame = Runtime().Snapshot();
  const Picture& banner = c.banner();
  int lit = 0;
  int wrong = 0;
  for (int y = 0; y < banner.height; ++y) {
    for (int x = 0; x < banner.width; ++x) {
      if (banner.At(x, y) != kTransparentBlack) {
        ++lit;
        wrong += frame.At(200 + x, 200 + y) != banner.At(x, y) ? 1 : 0;
      }
    }
  }
  EXPECT_GT(lit, 1000);
  EXPECT_EQ(wrong, 0) << "banner pixels missing at (200, 200)";

  const auto shown = headless.RunUntil([&] { return OnMenu(); }, c.shownMs + 500);
  ASSERT_TRUE(shown.has_value());
  EXPECT_GE(*shown, c.shownMs - kFrameMs);
  EXPECT_LE(*shown, c.shownMs + 2 * kFrameMs);
  EXPECT_EQ(Runtime().Devices().CursorCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(WinAndLoss, MatchEnding,
                         ::testing::Values(EndingCase{"Win", PassEnd::Win, art::WinBanner, 4000},
                                           EndingCase{"Loss", PassEnd::Loss, art::LossBanner,
                                                      2000}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Match, DrawsTheFieldInTheTopLeftAndLeavesTheRestOfTheWindowPlain) {
  StartMatch({400, 3, 6});
  headless.RunForMs(50);
  const Picture frame = Runtime().Snapshot();
  ASSERT_GT(frame.width, 800);
  EXPECT_EQ(frame.At(frame.width - 1, 10), kButtonFace);
  // The player's paddle is light at the bottom; the field behind is dark.
  const Rgb paddle = frame.At(33 + 105, 575);
  EXPECT_GT(paddle.r + paddle.g + paddle.b, 3 * 120);
  const Rgb field = frame.At(700, 300);
  EXPECT_LT(field.r + field.g + field.b, 3 * 100);
}

TEST_F(Match, AMissingSettingsFileStopsTheProgramAndTouchesNoOtherFile) {
  LayOutMatchFiles({100, 5, 6});
  std::filesystem::remove("config.dat");
  EXPECT_EQ(RunProgram(Runtime(), game.match), 1);
  for (const char* file : kPictures) {
    EXPECT_TRUE(std::filesystem::exists(file)) << file << " was deleted";
  }
  EXPECT_EQ(Runtime().Devices().CursorCount(), 0);
}

struct BrokenFile {
  const char* name;
  const char* settings;  // nullptr: a valid file, but yl.bmp missing
  int number;
  const char* mentions;
};

class MatchBrokenFiles : public Match, public ::testing::WithParamInterface<BrokenFile> {};

TEST_P(MatchBrokenFiles, RaiseAClearErrorBeforeAnyFileIsDeleted) {
  const BrokenFile& c = GetParam();
  LayOutMatchFiles({100, 5, 6});
  if (c.settings != nullptr) {
    std::ofstream("config.dat", std::ios::binary | std::ios::trunc) << c.settings;
  } else {
    std::filesystem::remove("yl.bmp");
  }
  try {
    Runtime().Start(game.match);
    FAIL() << "the match loaded";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), c.number);
    EXPECT_NE(error.Description().find(c.mentions), std::string::npos) << error.Description();
  }
  for (const char* file : kPictures) {
    if (c.settings != nullptr || std::string(file) != "yl.bmp") {
      EXPECT_TRUE(std::filesystem::exists(file)) << file << " was deleted";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MatchBrokenFiles,
    ::testing::Values(
        BrokenFile{"NotANumber", "100\r\nfast\r\n6\r\n", ErrorNumber::TypeMismatch, "line 2"},
        BrokenFile{"LineMissing", "100\r\n5\r\n", ErrorNumber::InputPastEndOfFile, "config.dat"},
        BrokenFile{"TooLarge", "99999999999\r\n5\r\n6\r\n", ErrorNumber::Overflow, "line 1"},
        BrokenFile{"PictureMissing", nullptr, ErrorNumber::FileNotFound, "yl.bmp"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Match, AHundredMatchesLeaveTheStackAsItWas) {
  Runtime().Start(game.menu);
  for (int round = 0; round < 100; ++round) {
    LayOutMatchFiles({100 + round, 5, 6});
    game.menu.Unload();
    game.match.Show();
    ASSERT_TRUE(headless.RunUntil([&] { return Runtime().FrameLoopRunning(game.match); }, 100));
    InjectKeyTap(KeyCode::Escape);
    ASSERT_TRUE(headless.RunUntil([&] { return OnMenu(); }, 500)) << "round " << round;
    ASSERT_EQ(Runtime().StackDepth(), 1u);
    ASSERT_EQ(Runtime().Devices().CursorCount(), 0);
  }
}

TEST_F(Match, TheWholeLoopFromMenuThroughWaitToMatchAndBack) {
  Runtime().Start(game.menu);
  for (const char* ball : {"Image1", "Image4"}) {
    ClickOn(game.menu, ball);
    ASSERT_TRUE(headless.RunUntil([&] { return Runtime().TopForm() == &game.wait; }, 100));
    ASSERT_TRUE(headless.RunUntil([&] { return Runtime().FrameLoopRunning(game.match); }, 2500));
    const FirstEditionSettings& drawn = game.wait.LastSettings();
    EXPECT_EQ(game.match.Rally().BallSpeed, drawn.ballSpeed);
    EXPECT_EQ(game.match.Rally().AISpeed, drawn.aiSpeed);
    InjectKeyTap(KeyCode::Escape);
    ASSERT_TRUE(headless.RunUntil([&] { return OnMenu(); }, 500));
    EXPECT_EQ(Runtime().StackDepth(), 1u);
  }
}

}  // namespace
}  // namespace rallix
