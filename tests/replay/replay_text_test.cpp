// Replay files: every kind of match survives the trip through the text, a
// file that cannot be played is refused with the line and the reason, and the
// replay folder never writes over an earlier replay.

#include "replay/replay_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "replay/replay_folder.h"
#include "tests/platform/files/file_test_support.h"

namespace rallix {
namespace {

Replay TwoPlayerReplay() {
  TwoPlayerSettings s;
  s.BallSpeed = 7;
  s.Player1Device = "Pad, Left";
  s.Player2Device = "Mouse";
  s.Player1JoystickGuid = "03000000de2800000000000000000000-1";
  Picture odd(40, 40);
  odd.At(0, 0) = {255, 0, 16};
  odd.At(39, 39) = {1, 2, 3};
  return Replay{s,
                {{MatchPicture::BottomPaddle, "light-paddle", {}},
                 {MatchPicture::TopPaddle, "dark-paddle", {}},
                 {MatchPicture::Ball, "", odd}},
                {{205, 0, 2500, 2500}, {0, -3.5f, 0, 2500}, {1, 1e6f, 5000, -7}},
                PassEnd::Escape};
}

TEST(ReplayText, EveryKindOfMatchComesBackAsItWasWritten) {
  SinglePlayerSettings single;
  single.UseJoystick = true;
  single.DisableKeyboard = true;
  single.AISpeed = -4;
  single.BallSpeed = 32767;
  single.JoystickGuid = "abc-2";
  const std::vector<Replay> replays = {
      TwoPlayerReplay(),
      Replay{single, {{MatchPicture::WinBanner, "win-banner", {}}}, {}, std::nullopt},
      Replay{FirstEditionSettings{759, 6, 11}, {}, {{197, 0, 2500, 2500}}, PassEnd::Loss},
      Replay{NetworkMatchSettings{5, "Keyboard", "Mouse"},
             {},
             {{205, 0, 2500, 2500, 203, -2.5f}, {1, 0, 0, 5000, 197, 0}},
             PassEnd::Win},
  };
  for (const Replay& replay : replays) {
    const Replay back = ParseReplay(FormatReplay(replay), "replay");
    EXPECT_EQ(back.settings, replay.settings);
    EXPECT_EQ(back.passes, replay.passes);
    EXPECT_EQ(back.end, replay.end);
    ASSERT_EQ(back.pictures.size(), replay.pictures.size());
    for (std::size_t i = 0; i < replay.pictures.size(); ++i) {
      EXPECT_EQ(back.pictures[i].part, replay.pictures[i].part);
      EXPECT_EQ(back.pictures[i].artwork, replay.pictures[i].artwork);
      EXPECT_EQ(back.pictures[i].pixels.pixels, replay.pictures[i].pixels.pixels);
    }
  }
}

TEST(ReplayText, IsTheDocumentedLayout) {
  Replay replay{FirstEditionSettings{300, 5, 7},
                {{MatchPicture::Ball, "gold-ball", {}}},
                {{205, 0, 2500, 2500}},
                PassEnd::Win};
  EXPECT_EQ(FormatReplay(replay),
            "rallix-replay 1\nmatch one\nstartColumn 300\nballSpeed 5\naiSpeed 7\n"
            "picture ball gold-ball\npasses 1\n205 0 2500 2500\nend win\n");
}

struct BrokenReplay {
  const char* what;
  std::string text;
  const char* message;
};

class ReplayRefused : public ::testing::TestWithParam<BrokenReplay> {};

TEST_P(ReplayRefused, NamingTheLineAndTheReason) {
  try {
    ParseReplay(GetParam().text, "r.replay");
    ADD_FAILURE() << "read";
  } catch (const ReplayError& error) {
    EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos)
        << error.what();
  }
}

const std::string kHead = "rallix-replay 1\nmatch one\nstartColumn 1\nballSpeed 5\naiSpeed 7\n";

INSTANTIATE_TEST_SUITE_P(
    Table, ReplayRefused,
    ::testing::ValuesIn(std::vector<BrokenReplay>{
        {"Empty", "", "line 1: the file ends where rallix-replay"},
        {"NotAReplay", "P6\n800 600\n", "line 1: expected \"rallix-replay VALUE\""},
        {"NewerVersion", "rallix-replay 3\n", "line 1: this is a version 3 replay"},
        {"NetMatchInVersion1", "rallix-replay 1\nmatch net\nBallSpeed 4\n",
         "line 2: a net match needs a version 2 replay"},
        {"NetPassWithoutTheTopPlayersKeys",
         "rallix-replay 2\nmatch net\nBallSpeed 4\nPlayer1Device \"Keyboard\"\n"
         "Player2Device \"Mouse\"\npasses 1\n0 0 2500 2500\n",
         "line 7: expected a pass \"LastKey MouseX Player1JoyX Player2JoyX Player2LastKey"},
        {"UnknownMatch", "rallix-replay 1\nmatch tennis\n", "line 2: unknown match \"tennis\""},
        {"SettingOutOfOrder", "rallix-replay 1\nmatch one\nballSpeed 5\n",
         "line 3: expected \"startColumn VALUE\""},
        {"SpeedBeyond16Bits", "rallix-replay 1\nmatch mp\nBallSpeed 40000\n",
         "line 3: BallSpeed must be a whole number from -32768 to 32767"},
        {"UnquotedDevice", "rallix-replay 1\nmatch mp\nBallSpeed 4\nPlayer1Device Mouse\n",
         "line 4: Player1Device must be a \"quoted\" text"},
        {"UnknownPart", kHead + "picture net light-paddle\n", "line 6: no match draws"},
        {"UnknownArtwork", kHead + "picture ball football\n", "line 6: the game has no artwork"},
        {"TwiceTheBall", kHead + "picture ball gold-ball\npicture ball gold-ball\n",
         "line 7: a second picture for ball"},
        {"ShortPixels", kHead + "picture ball pixels 40 40 ff00ff\n", "takes 9600 hex digits"},
        {"HugePixels", kHead + "picture ball pixels 4096 4096 00\n",
         "line 6: the ball picture is 4096 x 4096; a match draws it at 40 x 40"},
        {"TinyBall", kHead + "picture ball pixels 1 1 ff0000\n", "the ball picture is 1 x 1"},
        {"LineLongerThanAnyPicture", kHead + std::string(3'000'000, 'a') + "\n",
         "line 6: the line is longer than any line of a replay"},
        {"MorePassesThanADay", kHead + "passes 5184001\n", "line 6: a replay holds at most"},
        {"NoPassCount", kHead + "0 0 2500 2500\n", "line 6: expected \"passes N\""},
        {"KeyTooHigh", kHead + "passes 1\n256 0 2500 2500\n", "line 7: expected a pass"},
        {"MouseNotANumber", kHead + "passes 1\n0 nan 2500 2500\n", "line 7: expected a pass"},
        {"FewerPassesThanCounted", kHead + "passes 2\n0 0 2500 2500\n",
         "line 8: the file ends where pass 2"},
        {"PlayerWordsInASinglePlayerMatch", kHead + "passes 0\nend player1\n",
         "line 7: a one match cannot end in \"player1\""},
        {"SomethingAfterTheEnd", kHead + "passes 0\nend win\nend loss\n",
         "line 8: nothing may follow the end line"},
        {"BlankLinesForEver", kHead + "passes 0\nend win\n" + std::string(1000, '\n'),
         "nothing may follow the end line"},
    }),
    [](const auto& info) { return std::string(info.param.what); });

TEST(ReplayFolder, KeepsEveryReplayUnderANameOfItsOwn) {
  testing::TemporaryFolder temporary;
  ReplayFolder folder(temporary / "made/on/demand", "rallix");
  const Replay replay = TwoPlayerReplay();
  const auto first = folder.Save(replay);
  const auto second = folder.Save(replay);
  EXPECT_NE(first, second);
  EXPECT_EQ(first.parent_path(), temporary / "made/on/demand");
  EXPECT_TRUE(first.filename().string().starts_with("rallix-"));
  EXPECT_TRUE(first.filename().string().ends_with("-mp.replay")) << first;
  EXPECT_EQ(ReadReplayFile(second).passes, replay.passes);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(first.parent_path()), {}), 2);
}

TEST(ReplayFolder, RefusesAPlaceThatIsNoFolder) {
  testing::TemporaryFolder temporary;
  std::ofstream(temporary / "file") << "x";
  EXPECT_THROW(ReplayFolder(temporary / "file", "rallix"), ReplayError);
  EXPECT_THROW(ReplayFolder(temporary / "file/below", "rallix"), ReplayError);
}

TEST(ReplayFile, AMissingFileIsAReplayError) {
  testing::TemporaryFolder temporary;
  EXPECT_THROW(ReadReplayFile(temporary / "none.replay"), ReplayError);
  EXPECT_THROW(ReadReplayFile(temporary.Path()), ReplayError);
}

}  // namespace
}  // namespace rallix
