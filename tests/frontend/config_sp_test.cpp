#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "art/artwork.h"
#include "core/key_codes.h"
#include "platform/files/picture_file.h"
#include "platform/forms/check_box.h"
#include "settings/full_game_settings.h"
#include "tests/frontend/full_game_test_support.h"

namespace rallix {
namespace {

using testing::ReadWholeFile;

class SinglePlayerSettingsScreen : public testing::FullGameScreens {
 protected:
  void SetUp() override { StartAt(game.configSp); }

  // START GAME, then Esc out of the match back to this screen.
  SinglePlayerSettings StartAndComeBack() {
    Click(game.configSp, "Command1");
    EXPECT_EQ(Top(), &game.singlePlayer);
    const SinglePlayerSettings written = ReadSinglePlayerSettings();
    headless.RunForMs(50);
    InjectKeyTap(KeyCode::Escape);
    EXPECT_TRUE(WaitFor(game.configSp));
    return written;
  }
};

TEST_F(SinglePlayerSettingsScreen, WithoutJoysticksTheBoxesStayDisabledAndTheListEmpty) {
  EXPECT_EQ(List(game.configSp, "List1").ListCount(), 0);
  for (const char* name : {"Check1", "Check2"}) {
    EXPECT_FALSE(testing::FindControl(game.configSp, name)->enabled) << name;
  }
}

TEST_F(SinglePlayerSettingsScreen, StartGameWithNothingChosenWritesFiveLinesAndOpensTheMatch) {
  Click(game.configSp, "Command1");
  const std::string text = ReadWholeFile("config1.cfg");
  std::smatch m;
  ASSERT_TRUE(
      std::regex_match(text, m, std::regex("#FALSE#\r\n#FALSE#\r\n(\\d+)\r\n(\\d+)\r\n(\\d+)\r\n")))
      << text;
  EXPECT_GE(std::stoi(m[1]), 4);
  EXPECT_LE(std::stoi(m[1]), 9);
  EXPECT_GE(std::stoi(m[2]), 3);
  EXPECT_LE(std::stoi(m[2]), 7);
  EXPECT_LE(std::stoi(m[3]), 719);
  EXPECT_EQ(Top(), &game.singlePlayer);
  EXPECT_FALSE(game.configSp.IsLoaded());
  // The match took its pictures; the background and the settings stay.
  EXPECT_TRUE(std::filesystem::exists("bg.bmp"));
  for (const char* file : {"cball.bmp", "pal1.bmp", "pal2.bmp", "yw.bmp", "yl.bmp"}) {
    EXPECT_FALSE(std::filesystem::exists(file)) << file;
  }
}

TEST_F(SinglePlayerSettingsScreen, ChosenSpeedsAreWrittenAsChosen) {
  ChooseInCombo(game.configSp, "Combo1", 4);  // "7"
  ChooseInCombo(game.configSp, "Combo2", 6);  // "10"
  const SinglePlayerSettings written = StartAndComeBack();
  EXPECT_EQ(written.BallSpeed, 7);
  EXPECT_EQ(written.AISpeed, 10);
}

TEST_F(SinglePlayerSettingsScreen, RandomSpeedsStayInTheirRangesAndNeverGiveTen) {
  std::set<int> ballSpeeds;
  std::set<int> aiSpeeds;
  std::set<int> columns;
  for (int round = 0; round < 40; ++round) {
    ChooseInCombo(game.configSp, "Combo1", 5);  // "Random"
    ChooseInCombo(game.configSp, "Combo2", 7);  // "Random"
    const SinglePlayerSettings written = StartAndComeBack();
    ballSpeeds.insert(written.BallSpeed);
    aiSpeeds.insert(written.AISpeed);
    columns.insert(written.BallStartX);
  }
  EXPECT_EQ(ballSpeeds, (std::set<int>{3, 4, 5, 6, 7}));
  EXPECT_EQ(aiSpeeds, (std::set<int>{4, 5, 6, 7, 8, 9}));
  EXPECT_GT(columns.size(), 30u) << "the start column is drawn afresh every time";
}

TEST_F(SinglePlayerSettingsScreen, NoBallClickedGivesTheBluePlasticBall) {
  Click(game.configSp, "Command1");
  // The match has taken cball.bmp by now; the ball it drew shows which one.
  headless.RunForMs(50);
  EXPECT_EQ(game.singlePlayer.BallPicture().pixels, art::BluePlasticBall().pixels);
}

TEST_F(SinglePlayerSettingsScreen, TheBallChosenOnAnEarlierVisitIsStillTheOneExported) {
  Click(game.configSp, "ImgBall(3)");
  EXPECT_EQ(dynamic_cast<const Image&>(*testing::FindControl(game.configSp, "ImgBall(3)")).border,
            ImageBorder::FixedSingle);
  Click(game.configSp, "ImgBall(1)");
  EXPECT_EQ(dynamic_cast<const Image&>(*testing::FindControl(game.configSp, "ImgBall(3)")).border,
            ImageBorder::None)
      << "only one ball is framed at a time";
  StartAndComeBack();
  // Back on the screen: nothing is framed, but the green ball is still chosen.
  EXPECT_EQ(dynamic_cast<const Image&>(*testing::FindControl(game.configSp, "ImgBall(1)")).border,
            ImageBorder::None);
  Click(game.configSp, "Command1");
  headless.RunForMs(50);
  EXPECT_EQ(game.singlePlayer.BallPicture().pixels, art::GreenRubberBall().pixels);
}

TEST_F(SinglePlayerSettingsScreen, CancelWritesNothingAndReturnsToTheMenu) {
  Click(game.configSp, "Command2");
  EXPECT_EQ(Top(), &game.menu);
  EXPECT_FALSE(std::filesystem::exists("config1.cfg"));
  EXPECT_FALSE(std::filesystem::exists("cball.bmp"));
}

TEST_F(SinglePlayerSettingsScreen, MatchesOneAfterAnotherKeepTheStackFlat) {
  for (int round = 0; round < 30; ++round) {
    StartAndComeBack();
    ASSERT_EQ(Runtime().StackDepth(), 1u) << "round " << round;
    ASSERT_EQ(Runtime().Devices().CursorCount(), 0);
  }
}

}  // namespace
}  // namespace rallix
