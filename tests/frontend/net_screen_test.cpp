// The network screen on a headless runtime, with the other machine played by
// a lobby of the test's own over 127.0.0.1.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "net/net_lobby.h"
#include "tests/frontend/full_game_test_support.h"

namespace rallix {
namespace {

using testing::FindControl;
using testing::FindLabel;

class NetworkScreen : public testing::FullGameScreens {
 protected:
  void SetUp() override {
    // The system's choice of port: nothing else on this machine is in the way.
    game.network.Port = 0;
    StartAt(game.menu);
    Click(game.menu, "Label3");
  }
  // Runs the screen and polls the other machine (if any) until the condition holds.
  bool Until(net::NetLobby* other, const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
      if (other != nullptr) {
        other->Poll();
      }
      headless.RunForMs(FrmNet::kPollMs);
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return done();
  }
  std::string Shown(const char* label) { return FindLabel(game.network, label).caption; }
  // The other machine, joining the match the screen hosts.
  std::unique_ptr<net::NetLobby> JoinAsGuest() {
    return std::make_unique<net::NetLobby>(
        std::make_unique<net::NetGuest>("127.0.0.1:" + std::to_string(game.network.HostPort())),
        Side::Guest, RALLIX_GAME_VERSION, "guest-machine");
  }
};

TEST_F(NetworkScreen, OpensFromTheMenuAndCancelGoesBackClosingTheLink) {
  EXPECT_EQ(Top(), &game.network);
  EXPECT_FALSE(game.menu.IsLoaded());
  Click(game.network, "Command3");
  ASSERT_NE(game.network.Lobby(), nullptr) << Shown("Notice");
  EXPECT_EQ(Shown("Status").rfind("Waiting for a player on port ", 0), 0u);
  Click(game.network, "Command2");
  EXPECT_EQ(Top(), &game.menu);
  EXPECT_EQ(game.network.Lobby(), nullptr);
}

TEST_F(NetworkScreen, AHostNamesItsGuestSendsItsChoicesAndHearsItLeave) {
  Click(game.network, "Command3");
  ASSERT_NE(game.network.Lobby(), nullptr) << Shown("Notice");
  auto guest = JoinAsGuest();
  EXPECT_FALSE(FindControl(game.network, "Command1")->enabled);
  ASSERT_TRUE(Until(guest.get(), [&] { return Shown("Status") == "Playing with guest-machine"; }));
  EXPECT_TRUE(FindControl(game.network, "Command1")->enabled);

  // The host's choices reach the guest as they are made.
  ChooseInCombo(game.network, "Combo1", 3);
  ASSERT_TRUE(Until(guest.get(), [&] { return guest->Settings().ballSpeed == 6; }));

  guest.reset();
  ASSERT_TRUE(Until(guest.get(), [&] { return Shown("Notice") == net::kPartnerLeftText; }));
  EXPECT_FALSE(FindControl(game.network, "Command1")->enabled);
  EXPECT_EQ(Shown("Status").rfind("Waiting for a player", 0), 0u);
}

// START GAME plays the match; the guest leaving in the middle of it brings
// the screen back, saying why, with no guest and START GAME off.
TEST_F(NetworkScreen, StartGamePlaysTheMatchAndALeavingGuestBringsTheScreenBackSayingSo) {
  Click(game.network, "Command3");
  ASSERT_NE(game.network.Lobby(), nullptr) << Shown("Notice");
  auto guest = JoinAsGuest();
  ASSERT_TRUE(Until(guest.get(), [&] { return Shown("Status") == "Playing with guest-machine"; }));
  Click(game.network, "Command1");
  ASSERT_TRUE(Until(guest.get(), [&] { return Top() == &game.networkMatch; }));

  guest.reset();
  ASSERT_TRUE(Until(nullptr, [&] { return Top() == &game.network; }));
  EXPECT_EQ(Shown("Notice"), net::kPartnerLeftText);
  EXPECT_FALSE(FindControl(game.network, "Command1")->enabled);
}

}  // namespace
}  // namespace rallix
