#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/check_box.h"
#include "platform/forms/frame.h"
#include "settings/full_game_settings.h"
#include "tests/frontend/full_game_test_support.h"
#include "tests/support/virtual_joystick.h"

namespace rallix {
namespace {

using testing::FindControl;
using testing::ReadWholeFile;

// Two pads attached before the screen lists them; the second one's name
// has a comma, which the settings files must keep as one value.
class WithTwoPads : public testing::FullGameScreens {
 protected:
  VirtualJoystick padA{"Pad A", 2, 10};
  VirtualJoystick padB{"Pad B, Deluxe", 2, 10};

  void CheckUseJoystick() { Click(game.configSp, "Check1"); }
};

TEST_F(WithTwoPads, SinglePlayerListsThePadsAndEnablesTheBoxes) {
  StartAt(game.configSp);
  const ListBox& list = List(game.configSp, "List1");
  ASSERT_EQ(list.ListCount(), 2);
  EXPECT_EQ(list.List(0), "Pad A");
  EXPECT_EQ(list.List(1), "Pad B, Deluxe");
  EXPECT_TRUE(FindControl(game.configSp, "Check1")->enabled);
  EXPECT_TRUE(FindControl(game.configSp, "Check2")->enabled);
  EXPECT_NE(game.configSp.JoyGuids[1], game.configSp.JoyGuids[2]);
}

TEST_F(WithTwoPads, JoystickCheckedWithNoSelectionUsesTheFirstPad) {
  StartAt(game.configSp);
  CheckUseJoystick();
  const std::string firstPad = game.configSp.JoyGuids[1];
  Click(game.configSp, "Command1");
  const SinglePlayerSettings written = ReadSinglePlayerSettings();
  EXPECT_TRUE(written.UseJoystick);
  EXPECT_EQ(written.JoystickGuid, firstPad);
}

TEST_F(WithTwoPads, JoystickCheckedWithASelectionUsesThatPad) {
  StartAt(game.configSp);
  CheckUseJoystick();
  Click(game.configSp, "Check2");
  ChooseInList(game.configSp, "List1", 1);
  const std::string secondPad = game.configSp.JoyGuids[2];
  Click(game.configSp, "Command1");
  const std::string text = ReadWholeFile("config1.cfg");
  EXPECT_EQ(text.substr(0, 16), "#TRUE#\r\n#TRUE#\r\n");
  EXPECT_NE(text.find("\"" + secondPad + "\"\r\n"), std::string::npos) << text;
}

TEST_F(WithTwoPads, TwoPlayerListsHoldTheDevicesThenThePads) {
  StartAt(game.configMp);
  for (const char* name : {"List1", "List2"}) {
    const ListBox& list = List(game.configMp, name);
    ASSERT_EQ(list.ListCount(), 4) << name;
    EXPECT_EQ(list.List(2), "Pad A");
    EXPECT_EQ(list.List(3), "Pad B, Deluxe");
  }
}

TEST_F(WithTwoPads, BothPickingOnePadMovesTheFirstToTheKeyboard) {
  StartAt(game.configMp);
  ChooseInList(game.configMp, "List1", 2);
  ChooseInList(game.configMp, "List2", 2);
  EXPECT_EQ(List(game.configMp, "List1").ListIndex(), 0);
  EXPECT_EQ(game.configMp.Player1Device, "Keyboard");
  EXPECT_EQ(game.configMp.Player2Device, "Pad A");
}

struct FileShape {
  const char* name;
  int player1Entry;
  int player2Entry;
  int lines;
};

class TwoPlayerFileShapes : public WithTwoPads, public ::testing::WithParamInterface<FileShape> {};

TEST_P(TwoPlayerFileShapes, IdentifierLinesFollowInPlayerOrder) {
  const FileShape& shape = GetParam();
  StartAt(game.configMp);
  ChooseInList(game.configMp, "List1", shape.player1Entry);
  ChooseInList(game.configMp, "List2", shape.player2Entry);
  const std::vector<std::string> guids = game.configMp.JoyGuids;
  Click(game.configMp, "Command1");
  const std::string text = ReadWholeFile("mp1.cfg");
  int lines = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos;
       at = text.find("\r\n", at + 2)) {
    ++lines;
  }
  EXPECT_EQ(lines, shape.lines) << text;
  const TwoPlayerSettings written = ReadTwoPlayerSettings();
  if (shape.player1Entry >= 2) {
    EXPECT_EQ(written.Player1JoystickGuid, guids[shape.player1Entry - 1]);
  }
  if (shape.player2Entry >= 2) {
    EXPECT_EQ(written.Player2JoystickGuid, guids[shape.player2Entry - 1]);
  }
  EXPECT_EQ(Top(), &game.twoPlayers) << "the match could not read its file";
}

INSTANTIATE_TEST_SUITE_P(Cases, TwoPlayerFileShapes,
                         ::testing::Values(FileShape{"KeyboardAndMouse", 0, 1, 3},
                                           FileShape{"MouseAndPad", 1, 3, 4},
                                           FileShape{"PadAndKeyboard", 2, 0, 4},
                                           FileShape{"TwoPads", 3, 2, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WithTwoPads, TheDialogRecordsThePickedPad) {
  StartAt(game.joystickDialog);
  ChooseInList(game.joystickDialog, "List1", 1);
  const std::string secondPad = game.joystickDialog.JoyGuids[2];
  Click(game.joystickDialog, "Command1");
  EXPECT_EQ(game.joystickDialog.CGuid, secondPad);
  EXPECT_FALSE(game.joystickDialog.IsLoaded());
}

// Two pads of one model share a name; back from a match, each player's list
// shows that player's own pad, found by its identifier.
class WithTwinPads : public testing::FullGameScreens {
 protected:
  VirtualJoystick twinA{"Twin Pad", 2, 2, 0x1209, 0x0042};
  VirtualJoystick twinB{"Twin Pad", 2, 2, 0x1209, 0x0042};
};

TEST_F(WithTwinPads, BackFromAMatchEachListShowsItsPlayersPad) {
  StartAt(game.configMp);
  ChooseInList(game.configMp, "List1", 3);  // the second "Twin Pad"
  ChooseInList(game.configMp, "List2", 2);  // the first one
  Click(game.configMp, "Command1");
  ASSERT_EQ(Top(), &game.twoPlayers);
  const TwoPlayerSettings written = ReadTwoPlayerSettings();
  ASSERT_NE(written.Player1JoystickGuid, written.Player2JoystickGuid);
  InjectKeyTap(KeyCode::Escape);
  ASSERT_TRUE(WaitFor(game.configMp));
  EXPECT_EQ(List(game.configMp, "List1").ListIndex(), 3);
  EXPECT_EQ(List(game.configMp, "List2").ListIndex(), 2);
}

// A pad unplugged after the screen listed it: START GAME says so and writes
// nothing, rather than starting a match that could only stop the program.
class WithAPadGoing : public testing::FullGameScreens {
 protected:
  VirtualJoystick pad{"Pad Going", 2, 2, 0x1209, 0x0077};

  void ExpectRefused(Form& screen, const char* file, const char* notice) {
    pad.Detach();
    Click(screen, "Command1");
    ASSERT_EQ(Top(), &screen);
    EXPECT_EQ(testing::FindLabel(screen, "Notice").caption, notice);
    EXPECT_FALSE(std::filesystem::exists(file)) << file;
    EXPECT_FALSE(std::filesystem::exists("cball.bmp"));
  }
};

TEST_F(WithAPadGoing, SinglePlayerRefusesItAtStartGame) {
  StartAt(game.configSp);
  Click(game.configSp, "Check1");
  ExpectRefused(game.configSp, "config1.cfg", "That joystick is no longer attached.");
}

TEST_F(WithAPadGoing, TwoPlayersRefuseItAtStartGame) {
  StartAt(game.configMp);
  ChooseInList(game.configMp, "List1", 0);
  ChooseInList(game.configMp, "List2", 2);
  ExpectRefused(game.configMp, "mp1.cfg", "Player 2: that joystick is no longer attached.");
}

class NoPads : public testing::FullGameScreens {};

TEST_F(NoPads, TheDialogWithoutJoysticksSaysSoAndOffersNothing) {
  StartAt(game.joystickDialog);
  EXPECT_EQ(dynamic_cast<const Frame&>(*FindControl(game.joystickDialog, "Frame1")).caption,
            "Found No Joysticks Attached");
  EXPECT_FALSE(FindControl(game.joystickDialog, "List1")->enabled);
  EXPECT_FALSE(FindControl(game.joystickDialog, "Command1")->enabled);
  Click(game.joystickDialog, "Command1");
  EXPECT_TRUE(game.joystickDialog.IsLoaded()) << "a disabled button did something";
  EXPECT_EQ(game.joystickDialog.CGuid, "");
}

}  // namespace
}  // namespace rallix
