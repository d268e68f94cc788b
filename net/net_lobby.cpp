#include "net/net_lobby.h"

#include <utility>
#include <variant>

namespace rallix::net {
namespace {

constexpr const char* kNoAnswerText = "No game answered at that address";

std::string MismatchText(const Hello& theirs, const std::string& ourVersion) {
  std::string text = "The other player runs version " + theirs.gameVersion;
  // Two builds of one version that speak differently still have to be told apart.
  if (theirs.gameVersion == ourVersion) {
    text += " (protocol " + std::to_string(theirs.protocolVersion) + ")";
  }
  return text;
}

}  // namespace

NetLobby::NetLobby(std::unique_ptr<NetLink> link, Side side, std::string gameVersion,
                   std::string playerName)
    : link_(std::move(link)),
      side_(side),
      gameVersion_(std::move(gameVersion)),
      playerName_(std::move(playerName)) {}

NetLobby::~NetLobby() {
  if (link_ && link_->Connected()) {
    link_->Send(Cancel{});
  }
}

const std::string& NetLobby::PartnerName() const {
  static const std::string kNobody;
  return partnerName_ ? *partnerName_ : kNobody;
}

void NetLobby::Poll() {
  if (!link_) {
    return;
  }
  for (const NetEvent& event : link_->Poll(0)) {
    if (std::holds_alternative<LinkUp>(event)) {
      refused_ = false;
      link_->Send(Hello{kProtocolVersion, gameVersion_, playerName_});
    } else if (const auto* down = std::get_if<LinkDown>(&event)) {
      PartnerGone(down->why == LinkLoss::ConnectFailed ? kNoAnswerText : kPartnerLeftText);
    } else {
      Take(std::get<Message>(event));
    }
    if (!link_) {
      return;  // what is left of the batch came from a link this guest closed
    }
  }
}

void NetLobby::Take(const Message& message) {
  if (const auto* hello = std::get_if<Hello>(&message)) {
    TakeHello(*hello);
  } else if (const auto* refusal = std::get_if<Refusal>(&message)) {
    refused_ = true;
    PartnerGone(refusal->text);
  } else if (!Agreed()) {
    // Nothing but a greeting counts before the two have agreed.
  } else if (const auto* settings = std::get_if<MatchChoices>(&message)) {
    if (side_ == Side::Host) {
      guestDeviceKnown_ = true;
      if (settings->guestDevice != settings_.guestDevice) {
        settings_.guestDevice = settings->guestDevice;
        SendSettings();
      }
    } else {
      settings_ = *settings;
    }
  } else if (const auto* start = std::get_if<Start>(&message)) {
    if (side_ == Side::Guest) {
      start_ = *start;
    }
  } else if (std::holds_alternative<Cancel>(message)) {
    PartnerGone(kPartnerLeftText);
  }
}

void NetLobby::TakeHello(const Hello& hello) {
  if (hello.protocolVersion != kProtocolVersion || hello.gameVersion != gameVersion_) {
    const Hello ours{kProtocolVersion, gameVersion_, playerName_};
    link_->Send(Refusal{RefusalReason::VersionMismatch, MismatchText(ours, hello.gameVersion)});
    refused_ = true;
    PartnerGone(MismatchText(hello, gameVersion_));
    return;
  }
  partnerName_ = hello.playerName;
  notice_.clear();
  start_.reset();
  // Each side tells what it chose so far: the guest its device, the host everything.
  SendSettings();
}

void NetLobby::PartnerGone(std::string notice) {
  // After a refusal, the link going down is its consequence, not news.
  const bool news = !(refused_ && notice == kPartnerLeftText && !notice_.empty());
  if (news) {
    notice_ = std::move(notice);
  }
  partnerName_.reset();
  start_.reset();
  // A host keeps listening for the next guest; a guest's link is done.
  if (side_ == Side::Guest) {
    link_.reset();
  }
}

void NetLobby::SendSettings() {
  if (!Agreed()) {
    return;
  }
  if (side_ == Side::Host) {
    link_->Send(settings_);
  } else {
    // The host's settings with this guest's own device: the host keeps only the device.
    MatchChoices mine = settings_;
    mine.guestDevice = ownDevice_;
    link_->Send(mine);
  }
}

void NetLobby::SetHostSettings(const MatchChoices& settings) {
  MatchChoices next = settings;
  next.guestDevice = settings_.guestDevice;
  if (next != settings_) {
    settings_ = next;
    SendSettings();
  }
}

void NetLobby::SetGuestDevice(SteeringDevice device) {
  if (device != ownDevice_) {
    ownDevice_ = device;
    SendSettings();
  }
}

bool NetLobby::StartMatch(std::uint32_t startPass) {
  if (side_ != Side::Host || !Agreed()) {
    return false;
  }
  link_->Send(settings_);
  return link_->Send(Start{startPass});
}

std::optional<Start> NetLobby::TakeStart() {
  return std::exchange(start_, std::nullopt);
}

}  // namespace rallix::net
