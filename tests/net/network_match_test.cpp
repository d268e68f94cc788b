// Two machines' matches over a real link on 127.0.0.1, in one process: they
// end on the same pass the same way and record the same passes, and one
// notices when the other leaves.

#include "net/network_match.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "core/key_codes.h"

namespace rallix::net {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(20);

MatchRally TwoMachineRally() {
  TwoPlayerRally rally = TwoPlayerRally::Start(5);
  rally.TwoMachines = true;
  return MatchRally(rally);
}

struct Linked {
  Linked() {
    const auto deadline = Clock::now() + kPatience;
    bool hostUp = false;
    bool guestUp = false;
    while (!(hostUp && guestUp) && Clock::now() < deadline) {
      for (const NetEvent& e : host.Poll(5))
        hostUp = hostUp || std::holds_alternative<LinkUp>(e);
      for (const NetEvent& e : guest->Poll(5))
        guestUp = guestUp || std::holds_alternative<LinkUp>(e);
    }
    EXPECT_TRUE(hostUp && guestUp);
  }
  NetHost host{0, "host-machine"};
  std::unique_ptr<NetGuest> guest =
      std::make_unique<NetGuest>("127.0.0.1:" + std::to_string(host.Port()));
};

TEST(NetworkMatchTest, BothMachinesEndOnTheSamePassTheSameWay) {
  Linked link;
  NetworkMatch host(link.host, RollbackSession(TwoMachineRally(), Side::Host));
  NetworkMatch guest(*link.guest, RollbackSession(TwoMachineRally(), Side::Guest));
  const auto deadline = Clock::now() + kPatience;
  for (int frame = 0; (!host.Session().End() || !guest.Session().End()) && Clock::now() < deadline;
       ++frame) {
    // Each player steers their own paddle with their own keys; the guest
    // pauses for a while, which pauses both.
    const std::uint8_t guestKey = frame == 40 || frame == 90 ? KeyCode::Pause : KeyCode::LeftArrow;
    ASSERT_FALSE(host.Frame({frame % 50 < 25 ? KeyCode::RightArrow : KeyCode::None}).stop);
    ASSERT_FALSE(guest.Frame({guestKey}).stop);
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  ASSERT_TRUE(host.Session().End() && guest.Session().End());
  EXPECT_EQ(*host.Session().End(), *guest.Session().End());
  EXPECT_EQ(host.Session().ConfirmedInputs(), guest.Session().ConfirmedInputs());
}

TEST(NetworkMatchTest, TheOtherPlayerLeavingStopsTheMatch) {
  Linked link;
  NetworkMatch host(link.host, RollbackSession(TwoMachineRally(), Side::Host));
  link.guest.reset();  // the guest's game closes: its link says goodbye
  const auto deadline = Clock::now() + kPatience;
  while (!host.Frame({}).stop && Clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_EQ(host.Stopped(), MatchStop::PartnerLeft);
}

}  // namespace
}  // namespace rallix::net
