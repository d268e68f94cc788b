#include <gtest/gtest.h>

#include "core/key_codes.h"
#include "settings/full_game_settings.h"
#include "tests/frontend/full_game_test_support.h"

namespace rallix {
namespace {

using testing::FindLabel;
using testing::ReadWholeFile;

class TwoPlayerSettingsScreen : public testing::FullGameScreens {
 protected:
  void SetUp() override { StartAt(game.configMp); }
  int Selected(const char* list) { return List(game.configMp, list).ListIndex(); }
  void BackFromMatch() {
    headless.RunForMs(50);
    InjectKeyTap(KeyCode::Escape);
    ASSERT_TRUE(WaitFor(game.configMp));
  }
};

TEST_F(TwoPlayerSettingsScreen, WithoutJoysticksEachListHoldsKeyboardAndMouse) {
  for (const char* name : {"List1", "List2"}) {
    const ListBox& list = List(game.configMp, name);
    ASSERT_EQ(list.ListCount(), 2) << name;
    EXPECT_EQ(list.List(0), "Keyboard");
    EXPECT_EQ(list.List(1), "Mouse");
    EXPECT_EQ(list.ListIndex(), -1) << "nothing is selected at first";
  }
}

struct Pick {
  const char* name;
  const char* firstList;
  int firstEntry;
  const char* secondList;
  int secondEntry;
  int expectList1;
  int expectList2;
  const char* player1;
  const char* player2;
};

class TwoPlayerPicks : public TwoPlayerSettingsScreen,
                       public ::testing::WithParamInterface<Pick> {};

TEST_P(TwoPlayerPicks, TheLastToChooseKeepsTheEntryAndTheOtherMoves) {
  const Pick& p = GetParam();
  ChooseInList(game.configMp, p.firstList, p.firstEntry);
  ChooseInList(game.configMp, p.secondList, p.secondEntry);
  EXPECT_EQ(Selected("List1"), p.expectList1);
  EXPECT_EQ(Selected("List2"), p.expectList2);
  EXPECT_EQ(game.configMp.Player1Device, p.player1);
  EXPECT_EQ(game.configMp.Player2Device, p.player2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TwoPlayerPicks,
    ::testing::Values(
        Pick{"P1TakesKeyboardFromP2", "List2", 0, "List1", 0, 0, 1, "Keyboard", "Mouse"},
        Pick{"P1TakesMouseFromP2", "List2", 1, "List1", 1, 1, 0, "Mouse", "Keyboard"},
        Pick{"P2TakesKeyboardFromP1", "List1", 0, "List2", 0, 1, 0, "Mouse", "Keyboard"},
        Pick{"P2TakesMouseFromP1", "List1", 1, "List2", 1, 0, 1, "Keyboard", "Mouse"},
        Pick{"DifferentChoicesStand", "List1", 1, "List2", 0, 1, 0, "Mouse", "Keyboard"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TwoPlayerSettingsScreen, KeyboardAndMouseWriteThreeLines) {
  ChooseInList(game.configMp, "List1", 0);
  ChooseInList(game.configMp, "List2", 1);
  ChooseInCombo(game.configMp, "Combo1", 2);  // "5"
  Click(game.configMp, "Command1");
  EXPECT_EQ(ReadWholeFile("mp1.cfg"), "5\r\n\"Keyboard\"\r\n\"Mouse\"\r\n");
  EXPECT_EQ(Top(), &game.twoPlayers);
  // No banners for two players: none written.
  EXPECT_FALSE(std::filesystem::exists("yw.bmp"));
  EXPECT_FALSE(std::filesystem::exists("yl.bmp"));
  EXPECT_TRUE(std::filesystem::exists("bg.bmp"));
}

TEST_F(TwoPlayerSettingsScreen, StartGameWaitsUntilBothPlayersHaveChosen) {
  Click(game.configMp, "Command1");
  EXPECT_EQ(Top(), &game.configMp);
  EXPECT_FALSE(std::filesystem::exists("mp1.cfg"));
  EXPECT_EQ(FindLabel(game.configMp, "Notice").caption, "Player 1: choose a device first.");
  ChooseInList(game.configMp, "List1", 1);
  EXPECT_EQ(FindLabel(game.configMp, "Notice").caption, "");
  Click(game.configMp, "Command1");
  EXPECT_EQ(FindLabel(game.configMp, "Notice").caption, "Player 2: choose a device first.");
  EXPECT_FALSE(std::filesystem::exists("mp1.cfg"));
}

TEST_F(TwoPlayerSettingsScreen, DevicesChosenOnAnEarlierVisitStillCount) {
  ChooseInList(game.configMp, "List1", 1);
  ChooseInList(game.configMp, "List2", 0);
  Click(game.configMp, "Command1");
  BackFromMatch();
  // The lists show the devices the players keep.
  EXPECT_EQ(Selected("List1"), 1);
  EXPECT_EQ(Selected("List2"), 0);
  EXPECT_EQ(FindLabel(game.configMp, "Notice").caption, "");
  std::filesystem::remove("mp1.cfg");
  Click(game.configMp, "Command1");
  EXPECT_EQ(Top(), &game.twoPlayers);
  const TwoPlayerSettings written = ReadTwoPlayerSettings();
  EXPECT_EQ(written.Player1Device, "Mouse");
  EXPECT_EQ(written.Player2Device, "Keyboard");
}

TEST_F(TwoPlayerSettingsScreen, MatchesOneAfterAnotherKeepTheStackFlat) {
  ChooseInList(game.configMp, "List1", 0);
  ChooseInList(game.configMp, "List2", 1);
  for (int round = 0; round < 30; ++round) {
    Click(game.configMp, "Command1");
    ASSERT_EQ(Top(), &game.twoPlayers) << "round " << round;
    BackFromMatch();
    ASSERT_EQ(Runtime().StackDepth(), 1u);
    ASSERT_EQ(Runtime().Devices().CursorCount(), 0);
  }
}

}  // namespace
}  // namespace rallix
