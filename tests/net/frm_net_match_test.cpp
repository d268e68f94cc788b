// The network match form on a headless runtime as the host, against a guest
// machine played by the test itself over a real link on 127.0.0.1: both end
// the rally on the same pass the same way, the recording keeps the passes both
// confirmed, and the guest's leaving ends the match and brings the network
// screen back.

#include "net/frm_net_match.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>

#include "replay/replay_text.h"
#include "tests/match/match_test_support.h"

namespace rallix::net {
namespace {

using testing::HeadlessRuntime;

struct HostAndGuest {
  HostAndGuest() {
    bool up = false;
    for (int tries = 0; tries < 2000 && !(up && link.Connected() && guest->Connected()); ++tries) {
      for (const NetEvent& e : link.Poll(2))
        up = up || std::holds_alternative<LinkUp>(e);
      guest->Poll(2);
    }
    EXPECT_TRUE(up);
  }
  NetHost link{0, "host-machine"};
  std::unique_ptr<NetGuest> guest =
      std::make_unique<NetGuest>("127.0.0.1:" + std::to_string(link.Port()));
};

const NetworkMatchSettings kSettings{5, "Keyboard", "Keyboard"};

// The host's screen, its match form on a headless runtime, and the link to
// the guest the test plays.
class FrmNetMatchTest : public ::testing::Test {
 protected:
  void StartHostMatch() {
    match.Prepare(machines.link, NetworkMatchStart{kSettings, "gold-ball", Side::Host, "", 5000});
    headless.Runtime().Start(match);
  }
  bool ScreenBack(double limitMs) {
    return headless.RunUntil([&] { return headless.Runtime().TopForm() == &screen; }, limitMs)
        .has_value();
  }

  testing::ScratchFolder scratch;
  HostAndGuest machines;
  HeadlessRuntime headless;
  testing::StandInSettings screen{headless.Runtime()};
  FrmNetMatch match{headless.Runtime(), screen};
};

TEST_F(FrmNetMatchTest, HostAndGuestEndTheRallyAlikeAndTheRecordingKeepsIt) {
  ReplayFolder replays("replays", "rallix");
  match.RecordTo(&replays);
  StartHostMatch();
  NetworkMatch guest(*machines.guest, RollbackSession(StartRally(kSettings), Side::Guest), 5000);
  const auto over = [&] { return match.Outcome().has_value() && guest.Session().End(); };
  for (int frame = 0; frame < 3000 && !over(); ++frame) {
    headless.RunForMs(testing::kFrameMs);
    guest.Frame({frame % 40 < 20 ? KeyCode::LeftArrow : KeyCode::None});
  }
  ASSERT_TRUE(over());
  EXPECT_EQ(*match.Outcome(), guest.Session().End()->end);
  ASSERT_TRUE(ScreenBack(6000));
  const Replay replay = ReadReplayFile(std::filesystem::directory_iterator("replays")->path());
  EXPECT_EQ(replay.passes, guest.Session().ConfirmedInputs());
  EXPECT_EQ(replay.end, match.Outcome());
}

TEST_F(FrmNetMatchTest, TheGuestLeavingEndsTheMatchAndTheScreenComesBack) {
  StartHostMatch();
  headless.RunForMs(200);
  machines.guest.reset();
  EXPECT_TRUE(ScreenBack(10000));
  EXPECT_EQ(match.StoppedBy(), MatchStop::PartnerLeft);
  EXPECT_FALSE(match.Outcome());
  EXPECT_GT(match.NextFirstWirePass(), 5000u);
}

}  // namespace
}  // namespace rallix::net
