// Two network screens' talk before a match, over real links on 127.0.0.1 in
// one process: greeting, the settings both ways, the start, refusals, and a
// partner leaving.

#include "net/net_lobby.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace rallix::net {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(10);

std::unique_ptr<NetLobby> Host(const std::string& version = "0.4") {
  return std::make_unique<NetLobby>(std::make_unique<NetHost>(0, "host-machine"), Side::Host,
                                    version, "host-machine");
}

std::unique_ptr<NetLobby> Guest(NetLobby& host, const std::string& name,
                                const std::string& version = "0.4") {
  // The host's port, read back through its link.
  const auto& link = static_cast<const NetHost&>(*host.Link());
  return std::make_unique<NetLobby>(
      std::make_unique<NetGuest>("127.0.0.1:" + std::to_string(link.Port())), Side::Guest, version,
      name);
}

// Polls every lobby until the condition holds; false when it never did.
bool PollUntil(const std::vector<NetLobby*>& lobbies, const std::function<bool()>& done) {
  const auto deadline = Clock::now() + kPatience;
  while (!done()) {
    if (Clock::now() > deadline) {
      return false;
    }
    for (NetLobby* lobby : lobbies) {
      lobby->Poll();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

TEST(NetLobbyTest, AgreeingGamesTradeNamesSettingsAndTheStart) {
  auto host = Host();
  auto guest = Guest(*host, "guest-machine");
  ASSERT_TRUE(
      PollUntil({host.get(), guest.get()}, [&] { return host->Agreed() && guest->Agreed(); }));
  EXPECT_EQ(host->PartnerName(), "guest-machine");
  EXPECT_EQ(guest->PartnerName(), "host-machine");

  guest->SetGuestDevice(SteeringDevice::Mouse);
  host->SetHostSettings(MatchChoices{6, 3, SteeringDevice::Joystick, SteeringDevice::Keyboard});
  // The host keeps the guest's own device, whatever its screen passed, and tells the guest.
  const MatchChoices expected{6, 3, SteeringDevice::Joystick, SteeringDevice::Mouse};
  ASSERT_TRUE(PollUntil({host.get(), guest.get()}, [&] {
    return host->Settings() == expected && guest->Settings() == expected;
  }));

  ASSERT_TRUE(host->StartMatch(1234));
  std::optional<Start> start;
  ASSERT_TRUE(PollUntil({host.get(), guest.get()},
                        [&] { return (start = guest->TakeStart()).has_value(); }));
  EXPECT_EQ(start->startPass, 1234u);
  EXPECT_FALSE(guest->TakeStart());    // one Start, one match
  EXPECT_FALSE(guest->StartMatch(1));  // only the host starts
}

TEST(NetLobbyTest, GamesOfAnotherVersionAreRefusedOnBothSides) {
  auto host = Host("0.4");
  auto guest = Guest(*host, "guest-machine", "0.5");
  ASSERT_TRUE(PollUntil({host.get(), guest.get()},
                        [&] { return guest->Closed() && !host->Notice().empty(); }));
  EXPECT_EQ(guest->Notice(), "The other player runs version 0.4");
  EXPECT_EQ(host->Notice(), "The other player runs version 0.5");
  EXPECT_FALSE(host->Agreed());
  // The guest's leaving does not hide why it left.
  ASSERT_TRUE(PollUntil({host.get()}, [&] { return !host->Link()->Connected(); }));
  EXPECT_EQ(host->Notice(), "The other player runs version 0.5");
  EXPECT_FALSE(host->Closed());
}

TEST(NetLobbyTest, AHostOutlivesItsGuestsAndTakesOnlyOneAtATime) {
  auto host = Host();
  auto first = Guest(*host, "first");
  ASSERT_TRUE(
      PollUntil({host.get(), first.get()}, [&] { return host->Agreed() && first->Agreed(); }));

  auto second = Guest(*host, "second");
  ASSERT_TRUE(PollUntil({host.get(), first.get(), second.get()}, [&] { return second->Closed(); }));
  EXPECT_EQ(second->Notice(), "This game already has its second player.");
  EXPECT_EQ(host->PartnerName(), "first");

  first.reset();  // its screen cancels
  ASSERT_TRUE(PollUntil({host.get()}, [&] { return !host->Agreed(); }));
  EXPECT_EQ(host->Notice(), kPartnerLeftText);
  EXPECT_FALSE(host->StartMatch(1));

  auto third = Guest(*host, "third");
  ASSERT_TRUE(
      PollUntil({host.get(), third.get()}, [&] { return host->Agreed() && third->Agreed(); }));
  EXPECT_EQ(host->PartnerName(), "third");
  EXPECT_EQ(host->Notice(), "");

  host.reset();  // the host's screen cancels: the guest is told and its link closes
  ASSERT_TRUE(PollUntil({third.get()}, [&] { return third->Closed(); }));
  EXPECT_EQ(third->Notice(), kPartnerLeftText);
}

TEST(NetLobbyTest, AGuestNobodyAnswersSaysSo) {
  // A port just let go of: nothing listens there.
  std::uint16_t port = 0;
  {
    NetHost gone(0, "gone");
    port = gone.Port();
  }
  NetLobby guest(std::make_unique<NetGuest>("127.0.0.1:" + std::to_string(port), 300), Side::Guest,
                 "0.4", "guest");
  ASSERT_TRUE(PollUntil({&guest}, [&] { return guest.Closed(); }));
  EXPECT_EQ(guest.Notice(), "No game answered at that address");
}

}  // namespace
}  // namespace rallix::net
