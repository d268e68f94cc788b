#include "net/network_match.h"

#include <algorithm>
#include <type_traits>
#include <utility>
#include <variant>

namespace rallix::net {
NetworkMatch::NetworkMatch(NetLink& link, RollbackSession session, std::uint32_t firstWirePass)
    : link_(link), firstWirePass_(firstWirePass), session_(std::move(session)) {}

// Pass numbers cross the wire in 32 bits: matches of 60 passes a second would
// need two years of play on one link to run out of them.
std::uint32_t NetworkMatch::WirePass(PassNumber pass) const {
  return firstWirePass_ + static_cast<std::uint32_t>(std::max<PassNumber>(pass, 0));
}

std::optional<PassNumber> NetworkMatch::SessionPass(std::uint32_t wirePass) const {
  if (wirePass < firstWirePass_) {
    return std::nullopt;
  }
  return static_cast<PassNumber>(wirePass - firstWirePass_);
}

std::uint32_t NetworkMatch::NextFirstWirePass() const {
  return WirePass(session_.NextPass() + RollbackSession::kMaxInputDelay) + kPassesBetweenMatches;
}

void NetworkMatch::TakeEvents() {
  for (NetEvent& event : link_.Poll(0)) {
    if (std::holds_alternative<LinkDown>(event)) {
      Stop(MatchStop::PartnerLeft);
    } else if (Message* message = std::get_if<Message>(&event)) {
      Take(*message);
    }
  }
}

void NetworkMatch::KeepAlive() {
  TakeEvents();
  // The other machine may still miss readings up to this rally's end, lost
  // on the way: it cannot confirm the end without them.
  if (!stop_) {
    SendReadings();
  }
}

NetFrame NetworkMatch::Frame(const PlayerReading& local) {
  TakeEvents();
  NetFrame frame;
  if (!stop_) {
    frame.passes = session_.AdvanceFrame(local);
    if (framesToSend_-- <= 0) {
      framesToSend_ = kSendEveryFrames - 1;
      SendReadings();
    }
    SendChecksum();
  }
  frame.stop = stop_;
  return frame;
}

void NetworkMatch::Take(const Message& message) {
  std::visit(
      [this](const auto& m) {
        using Type = std::decay_t<decltype(m)>;
        if constexpr (std::is_same_v<Type, Inputs>) {
          const std::optional<PassNumber> first = SessionPass(m.firstPass);
          const std::optional<PassNumber> held = SessionPass(m.heldPasses);
          if (!first || !held) {
            return;  // a late packet of an earlier match
          }
          session_.AddRemoteReadings(*first, m.readings);
          session_.Acknowledge(*held - 1);
          session_.SetRemoteAdvantage(m.advantage);
        } else if constexpr (std::is_same_v<Type, Checksum>) {
          const std::optional<PassNumber> pass = SessionPass(m.pass);
          if (pass && session_.CheckRemoteChecksum(*pass, m.value) == Agreement::Differs) {
            // Say so before stopping: the other machine may not have seen it yet.
            link_.Send(End{MatchOutcome::Desync, m.pass});
            Stop(MatchStop::Disagreement);
          }
        } else if constexpr (std::is_same_v<Type, End>) {
          // Rally ends come from the rules on both machines alike; only a
          // disagreement is news.
          if (m.outcome == MatchOutcome::Desync) {
            Stop(MatchStop::Disagreement);
          }
        } else if constexpr (std::is_same_v<Type, Cancel>) {
          Stop(MatchStop::PartnerLeft);
        }
      },
      message);
}

void NetworkMatch::Stop(MatchStop why) {
  if (!stop_) {
    stop_ = why;
  }
}

void NetworkMatch::SendReadings() {
  const ReadingRun run = session_.UnacknowledgedReadings();
  Inputs inputs;
  inputs.firstPass = WirePass(run.firstPass);
  inputs.heldPasses = WirePass(session_.LastRemotePassHeld() + 1);
  inputs.advantage = static_cast<std::int8_t>(
      std::clamp<std::int32_t>(session_.LocalAdvantage(), -kMostAdvantage, kMostAdvantage));
  const std::size_t count = std::min(run.readings.size(), kMaxReadingsPerInputs);
  inputs.readings.assign(run.readings.begin(), run.readings.begin() + count);
  link_.Send(inputs);
}

void NetworkMatch::SendChecksum() {
  const PassChecksum confirmed = session_.ConfirmedChecksum();
  if (confirmed.pass < 0 || confirmed.pass < lastChecksumSent_ + kChecksumEveryPasses) {
    return;
  }
  lastChecksumSent_ = confirmed.pass;
  link_.Send(Checksum{WirePass(confirmed.pass), confirmed.checksum});
}

}  // namespace rallix::net
