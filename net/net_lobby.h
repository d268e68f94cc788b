#pragma once
// What the two players' network screens say to each other before a match:
// both greet with a Hello, refuse a game of another version, then the guest
// tells its device and the host its settings for both, until the host starts
// the match. The lobby owns the link, which outlives every match played on it,
// and keeps in plain values what the screen shows: whether the other player
// is here and agrees, their name, the last settings, and a notice for the
// player (a refusal, the other player leaving).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "net/messages.h"
#include "net/network_match.h"
#include "net/transport.h"

namespace rallix::net {

inline constexpr const char* kPartnerLeftText = "The other player left";

class NetLobby {
 public:
  // `link` is a NetHost for Side::Host, a NetGuest for Side::Guest.
  NetLobby(std::unique_ptr<NetLink> link, Side side, std::string gameVersion,
           std::string playerName);
  ~NetLobby();  // says Cancel to a partner still here
  NetLobby(const NetLobby&) = delete;
  NetLobby& operator=(const NetLobby&) = delete;

  // Takes what the link brought, without waiting.
  void Poll();

  Side GetSide() const { return side_; }
  // Null once a guest's link has closed (refused, left, never answered):
  // a guest joins again with a new lobby.
  NetLink* Link() { return link_.get(); }
  bool Closed() const { return link_ == nullptr; }
  // Both hellos exchanged and agreeing: the two can play.
  bool Agreed() const { return partnerName_.has_value(); }
  const std::string& PartnerName() const;
  // For the player: why the last partner is gone or was refused; empty when nothing happened.
  const std::string& Notice() const { return notice_; }
  void ClearNotice() { notice_.clear(); }

  // The settings of the next match as this side knows them: a guest has the
  // host's last ones.
  const MatchChoices& Settings() const { return settings_; }
  // The host's choice for both (its guestDevice is kept as the guest said).
  void SetHostSettings(const MatchChoices& settings);
  // The guest's own device.
  void SetGuestDevice(SteeringDevice device);

  // The match played on the link saw the other player leave.
  void PartnerLeft() { PartnerGone(kPartnerLeftText); }

  // Host: the guest has told its device since it agreed.
  bool GuestDeviceKnown() const { return guestDeviceKnown_; }
  // Host: sends the final settings, then Start. False when no guest agrees.
  bool StartMatch(std::uint32_t startPass);
  // Guest: the Start the host sent, once; nothing until then.
  std::optional<Start> TakeStart();

 private:
  void Take(const Message& message);
  void TakeHello(const Hello& hello);
  void PartnerGone(std::string notice);
  void SendSettings();

  std::unique_ptr<NetLink> link_;
  Side side_;
  std::string gameVersion_;
  std::string playerName_;
  std::optional<std::string> partnerName_;
  // This side refused the partner, or was refused: its leaving says nothing new.
  bool refused_ = false;
  std::string notice_;
  MatchChoices settings_;
  // The guest's own choice, which the host's settings echo back a little later.
  SteeringDevice ownDevice_ = SteeringDevice::Keyboard;
  std::optional<Start> start_;
  bool guestDeviceKnown_ = false;
};

}  // namespace rallix::net
