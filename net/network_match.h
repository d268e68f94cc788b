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
  // Readings go out every second frame: each packet repeats every reading
  // not yet acknowledged, so this halves what a match costs the link for at
  // most a frame's wait on the other machine, which prediction covers.
  static constexpr int kSendEveryFrames = 2;
  // Between the last pass of one match on a link and the first of the next.
  static constexpr std::uint32_t kPassesBetweenMatches = 1000;

  // The link stays the caller's and outlives this. The session's pass 0 is
  // firstWirePass on the wire, past every pass of the matches played on the
  // link before, so that a late packet of one is never taken for this one's.
  NetworkMatch(NetLink& link, RollbackSession session, std::uint32_t firstWirePass = 0);

  // Whether the next frame runs a pass: a frame that does not drops its
  // reading, so a key tapped meanwhile is better left in the device.
  bool ReadyForPass() const { return !stop_ && session_.ReadyForPass(); }
  NetFrame Frame(const PlayerReading& local);

  const RollbackSession& Session() const { return session_; }
  // Where the next match on this link may start.
  std::uint32_t NextFirstWirePass() const;
  // Answers the link while the match shows its last picture: the partner's
  // leaving is still heard, its messages are taken in so that its link does
  // not wait on ours, and the readings it has not acknowledged go out again.
  void KeepAlive();
  std::optional<MatchStop> Stopped() const { return stop_; }

 private:
  void Take(const Message& message);
  void Stop(MatchStop why);
  void SendReadings();
  void SendChecksum();
  void TakeEvents();
  // The session's pass for a wire pass; none for a pass of an earlier match.
  std::optional<PassNumber> SessionPass(std::uint32_t wirePass) const;
  std::uint32_t WirePass(PassNumber pass) const;

  NetLink& link_;
  std::uint32_t firstWirePass_;
  RollbackSession session_;
  PassNumber lastChecksumSent_ = -1;
  int framesToSend_ = 0;
  std::optional<MatchStop> stop_;
};

}  // namespace rallix::net
