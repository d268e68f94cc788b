#pragma once
// One machine's match against the other, over the link: the rollback session
// fed from the link and feeding it. The match screen calls Frame() once a pass
// with this machine's reading; the readings out and in, their
// acknowledgements, the pacing, the agreement check once a second and the
// partner's leaving are all handled here.

#include <cstdint>
#include <optional>

#include "net/rollback_session.h"
#include "net/transport.h"

namespace rallix::net {

// Why a match stopped other than by its rally's end.
enum class MatchStop {
  PartnerLeft,   // the other player closed the game, cancelled, or went silent
  Disagreement,  // the two machines' rallies no longer agree
};

struct NetFrame {
  FrameResult passes;
  // Set once the match has stopped for one of these reasons; it runs no
  // further pass.
  std::optional<MatchStop> stop;
};

class NetworkMatch {
 public:
  // Every second of confirmed play, its checksum goes to the other machine.
  static constexpr int kChecksumEveryPasses = 60;

  // The link stays the caller's and outlives this.
  NetworkMatch(NetLink& link, RollbackSession session);

  // Whether the next frame runs a pass: a frame that does not drops its
  // reading, so a key tapped meanwhile is better left in the device.
  bool ReadyForPass() const { return !stop_ && session_.ReadyForPass(); }
  NetFrame Frame(const PlayerReading& local);

  const RollbackSession& Session() const { return session_; }
  std::optional<MatchStop> Stopped() const { return stop_; }

 private:
  void Take(const Message& message);
  void Stop(MatchStop why);
  void SendReadings();
  void SendChecksum();

  NetLink& link_;
  RollbackSession session_;
  PassNumber lastChecksumSent_ = -1;
  std::optional<MatchStop> stop_;
};

}  // namespace rallix::net
