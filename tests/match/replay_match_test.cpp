// A match played on a headless runtime with injected input and recorded, then
// played back from its replay file on a fresh runtime with no input at all:
// every pass's field and every frame the window shows must be the same, and
// so must the end.

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <map>
#include <vector>

#include "match/frm_mp.h"
#include "match/frm_sp.h"
#include "replay/replay_text.h"
#include "settings/full_game_settings.h"
#include "tests/match/match_test_support.h"

namespace rallix {
namespace {

using testing::HeadlessRuntime;
using testing::StandInSettings;

struct PassSeen {
  Rect bottom;
  Rect top;
  Rect ball;
  std::uint64_t frameHash = 0;
  friend bool operator==(const PassSeen&, const PassSeen&) = default;
};

void PrintTo(const PassSeen& p, std::ostream* os) {
  *os << "ball (" << p.ball.left << "," << p.ball.top << ") bottom " << p.bottom.left << " top "
      << p.top.left << " frame " << p.frameHash;
}

std::uint64_t FrameHash(const Picture& frame) {
  std::uint64_t hash = 1469598103934665603u;  // FNV-1a
  for (const Rgb& c : frame.pixels) {
    for (const std::uint8_t byte : {c.r, c.g, c.b}) {
      hash = (hash ^ byte) * 1099511628211u;
    }
  }
  return hash;
}

// What the player does before a given pass.
using Script = std::multimap<int, std::function<void()>>;

// Runs the runtime frame by frame until the rally is over, playing the
// script, and keeps what each pass left on the field and on the screen.
std::vector<PassSeen> Watch(HeadlessRuntime& headless, MatchForm& match, const Script& script) {
  std::vector<PassSeen> seen;
  match.WatchPasses([&seen](const MatchRally& rally, const Surface& screen) {
    seen.push_back(
        {rally.BottomPaddle(), rally.TopPaddle(), rally.Ball(), FrameHash(screen.ToPicture())});
  });
  auto next = script.begin();
  for (int frames = 0; frames < 5000 && !match.Outcome(); ++frames) {
    // Input goes in before the frame whose first pass is the script's.
    for (; next != script.end() && next->first <= static_cast<int>(seen.size()) + 1; ++next) {
      next->second();
    }
    if (!headless.Runtime().RunFrame()) {
      break;
    }
  }
  match.WatchPasses(nullptr);
  return seen;
}

Replay TheOnlyReplayIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    files.push_back(entry.path());
  }
  EXPECT_EQ(files.size(), 1u);
  return ReadReplayFile(files.at(0));
}

// Plays the script on a recorded match until the rally ends or the window is
// closed, then plays the replay and compares.
template <typename Match>
void ExpectReplayedAsPlayed(const Script& script, const std::function<void()>& layOut,
                            std::optional<PassEnd> expectedEnd) {
  testing::ScratchFolder scratch;
  std::vector<PassSeen> played;
  std::optional<PassEnd> playedEnd;
  {
    HeadlessRuntime headless;
    StandInSettings settings(headless.Runtime());
    Match match(headless.Runtime(), settings);
    ReplayFolder replays("replays", "rallix");
    match.RecordTo(&replays);
    layOut();
    headless.Runtime().Start(match);
    played = Watch(headless, match, script);
    playedEnd = match.Outcome();
  }
  ASSERT_EQ(playedEnd, expectedEnd);
  ASSERT_GT(played.size(), 30u);
  const Replay replay = TheOnlyReplayIn("replays");
  EXPECT_EQ(replay.passes.size(), played.size());
  EXPECT_EQ(replay.end, playedEnd);

  HeadlessRuntime headless;
  StandInSettings settings(headless.Runtime());
  Match match(headless.Runtime(), settings);
  match.PlayReplay(replay);
  headless.Runtime().Start(match);
  const std::vector<PassSeen> replayed = Watch(headless, match, {});
  EXPECT_EQ(match.Outcome(), playedEnd);
  ASSERT_EQ(replayed.size(), played.size());
  for (std::size_t pass = 0; pass < played.size(); ++pass) {
    ASSERT_EQ(replayed[pass], played[pass]) << "pass " << pass + 1;
  }
  // After its banner the replay ends the program rather than going back.
  EXPECT_TRUE(headless.RunUntil([&] { return headless.Runtime().Ended(); }, 5000));
  EXPECT_TRUE(match.ReplayPlayedOut());
}

// What the single-player settings screen leaves for a match.
std::function<void()> LayOutSinglePlayer(std::int16_t aiSpeed, std::int16_t ballSpeed) {
  return [aiSpeed, ballSpeed] {
    SinglePlayerSettings s;
    s.AISpeed = aiSpeed;
    s.BallSpeed = ballSpeed;
    s.BallStartX = 300;
    WriteSinglePlayerSettings(s);
    testing::LayOutPictures(/*withBanners=*/true);
  };
}

TEST(MatchReplay, SinglePlayerWithKeysAndPauseReplaysFrameForFrame) {
  const Script script = {
      {3, [] { InjectKey(KeyCode::RightArrow, true); }},
      {9, [] { InjectKey(KeyCode::RightArrow, false); }},
      {40, [] { InjectKeyTap(KeyCode::Pause); }},
      {50, [] { InjectKey(KeyCode::LeftArrow, true); }},
      {56, [] { InjectKey(KeyCode::LeftArrow, false); }},
      // Left (203) outranks Pause (197) while held: it is let go first.
      {60, [] { InjectKeyTap(KeyCode::Pause); }},
  };
  ExpectReplayedAsPlayed<FrmSP>(script, LayOutSinglePlayer(6, 5), PassEnd::Loss);
}

// The mouse player's motion, a ball picture that is none of the game's own,
// which the replay must keep as pixels, and a window closed mid-rally, where
// the replay must stop too.
TEST(MatchReplay, TwoPlayersWithMouseAndAStrangeBallReplayFrameForFrame) {
  const Script script = {
      {2, [] { InjectMouseMotion(35, 3); }},
      {10, [] { InjectMouseMotion(-7, 0); }},
      {11, [] { InjectKey(KeyCode::RightArrow, true); }},
      {25, [] { InjectMouseMotion(120, -4); }},
      {40, [] { InjectKey(KeyCode::RightArrow, false); }},
      {90, [] { InjectQuit(); }},
  };
  ExpectReplayedAsPlayed<FrmMP>(
      script,
      [] {
        TwoPlayerSettings s;
        s.BallSpeed = 4;
        s.Player1Device = "Keyboard";
        s.Player2Device = "Mouse";
        WriteTwoPlayerSettings(s);
        testing::LayOutPictures(/*withBanners=*/false);
        Picture checkered(40, 40);
        for (int y = 0; y < 40; ++y) {
          for (int x = 0; x < 40; ++x) {
            checkered.At(x, y) = (x / 5 + y / 5) % 2 ? Rgb{250, 200, 10} : Rgb{1, 1, 1};
          }
        }
        SavePicture(checkered, "cball.bmp");
      },
      std::nullopt);
}

// SIGTERM ends the program mid-rally: what was played is kept, ending closed.
TEST(MatchReplay, AMatchStoppedBySigtermKeepsItsRecording) {
  const Script script = {
      {2, [] { InjectKey(KeyCode::RightArrow, true); }},
      {45, [] { std::raise(SIGTERM); }},
  };
  ExpectReplayedAsPlayed<FrmSP>(script, LayOutSinglePlayer(3, 2), std::nullopt);
}

// The game's own artwork for every picture a single-player match draws, the
// ball last.
std::vector<RecordedPicture> SinglePlayerPictures() {
  return {{MatchPicture::WinBanner, "win-banner", {}},
          {MatchPicture::LossBanner, "loss-banner", {}},
          {MatchPicture::BottomPaddle, "light-paddle", {}},
          {MatchPicture::TopPaddle, "dark-paddle", {}},
          {MatchPicture::Ball, "gold-ball", {}}};
}

// Esc, which no replay steers with, stops the replay then and there.
TEST(MatchReplay, EscStopsAReplayAtOnce) {
  testing::ScratchFolder scratch;
  HeadlessRuntime headless;
  StandInSettings settings(headless.Runtime());
  FrmSP match(headless.Runtime(), settings);
  SinglePlayerSettings standing;
  standing.BallSpeed = 0;
  const Replay replay{standing, SinglePlayerPictures(), std::vector<PassInput>(600), std::nullopt};
  match.PlayReplay(replay);
  headless.Runtime().Start(match);
  ASSERT_TRUE(headless.RunUntil([&] { return headless.Runtime().PassesRun() >= 10; }, 1000));
  InjectKeyTap(KeyCode::Escape);
  EXPECT_TRUE(headless.RunUntil([&] { return headless.Runtime().Ended(); }, 100));
  EXPECT_LT(headless.Runtime().PassesRun(), 30u);
  EXPECT_FALSE(match.ReplayPlayedOut());
}

TEST(MatchReplay, AReplayTheMatchCannotPlayIsRefusedBeforeAnythingShows) {
  HeadlessRuntime headless;
  StandInSettings settings(headless.Runtime());
  FrmSP match(headless.Runtime(), settings);
  Replay noBall{SinglePlayerSettings{}, SinglePlayerPictures(), {}, PassEnd::Escape};
  noBall.pictures.pop_back();
  EXPECT_THROW(match.PlayReplay(noBall), ReplayError);
  Replay twoPlayers = noBall;
  twoPlayers.settings = TwoPlayerSettings{};
  twoPlayers.pictures.push_back({MatchPicture::Ball, "gold-ball", {}});
  EXPECT_THROW(match.PlayReplay(twoPlayers), ReplayError);
  Replay smallBall = noBall;
  smallBall.pictures.push_back({MatchPicture::Ball, "", Picture(39, 40)});
  EXPECT_THROW(match.PlayReplay(smallBall), ReplayError);
  smallBall.pictures.back().pixels = Picture(40, 40);
  EXPECT_NO_THROW(match.PlayReplay(smallBall));
  EXPECT_EQ(headless.Runtime().TopForm(), nullptr);
}

}  // namespace
}  // namespace rallix
