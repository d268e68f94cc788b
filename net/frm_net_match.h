#pragma once
// The two-player match between two machines: the full game's two-player
// match in full screen, the host's player on the bottom paddle and the
// guest's on the top one, each steering with their own machine's keyboard,
// mouse or joystick. The passes come from the rollback session over the link
// the network screen holds; Esc or Pause from either player counts for both,
// and both machines end the rally on the same pass the same way. The network
// screen comes back afterwards, still connected.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "match/match_form.h"
#include "net/network_match.h"
#include "net/transport.h"

namespace rallix::net {

struct NetworkMatchStart {
  // Both machines play the host's settings.
  NetworkMatchSettings settings;
  // The game's own artwork for the ball, by name (art/catalogue.h).
  std::string ballArtwork;
  Side side = Side::Host;
  // This machine's pad, when this machine's player steers with a joystick.
  std::string joystickIdentifier;
  // Where this match's passes start on the wire: past every pass of the
  // matches before it on this link, so that a late packet of one is never
  // taken for the next one's.
  std::uint32_t firstWirePass = 0;
  int inputDelay = RollbackSession::kDefaultInputDelay;
};

class FrmNetMatch final : public MatchForm {
 public:
  FrmNetMatch(FormsRuntime& runtime, Form& networkScreen);

  // The next load plays a match over this link, which must outlive it.
  void Prepare(NetLink& link, NetworkMatchStart start);
  // Why the last match stopped before its rally ended (the other player
  // left, the two machines disagreed); none when the rally ended.
  std::optional<MatchStop> StoppedBy() const { return stoppedBy_; }
  // The wire pass after the last match's: where the next match may start.
  std::uint32_t NextFirstWirePass() const { return nextFirstWirePass_; }

  bool TakesSettings(const MatchSettings& settings) const override;

 protected:
  MatchSettings ReadSettingsFile() override;
  void OpenDevices(const MatchSettings& settings) override;
  MatchPictures SetUpMatch() override;
  std::optional<PassResult> RunPass() override;
  std::vector<PassInput> RecordedPasses() override;
  int EndingTickMs() const override { return kKeepAliveMs; }
  void EndingTick() override;

 private:
  // While the last picture shows, the link is still answered this often.
  static constexpr int kKeepAliveMs = 50;

  NetLink* link_ = nullptr;
  std::optional<NetworkMatchStart> start_;
  std::optional<LiveInput> local_;
  std::optional<NetworkMatch> match_;
  std::optional<MatchStop> stoppedBy_;
  std::uint32_t nextFirstWirePass_ = 0;
};

}  // namespace rallix::net
