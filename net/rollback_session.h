#pragma once
// One machine's side of a rally played between two machines. Both machines run
// the same rules on the same pair of readings for every pass; only readings
// cross the network. So that a player's own paddle answers at once, a pass
// runs on a prediction of the other player's reading when it has not arrived
// (their last confirmed one), and when the real one turns out different the
// session goes back to the state saved before that pass and plays the passes
// since again, before the frame is drawn. Pure logic over plain values.
//
// Passes are numbered from 0. A reading taken when local pass p runs steers
// pass p + InputDelay(); the first InputDelay() passes take the neutral reading
// from both sides on both machines, so they need nothing from the network.
//
// A frame loop, 60 times a second:
//   1. hand over what arrived: AddRemoteReadings(first pass, readings),
//      Acknowledge(pass), SetRemoteAdvantage(passes), and a remote checksum to
//      CheckRemoteChecksum(pass, value) (Differs: the machines have parted);
//   2. read the devices only if ReadyForPass() (a frame that runs no pass drops
//      its reading), then r = AdvanceFrame(reading);
//   3. play the hit sound if r.hitSound, draw Rally(); on r.end the match is
//      over, the same way and on the same pass on both machines;
//   4. send UnacknowledgedReadings(), with LastRemotePassHeld() as the
//      acknowledgement and LocalAdvantage(); once a second, ConfirmedChecksum().

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "rules/match_rally.h"
#include "rules/pass.h"

namespace rallix {

using PassNumber = std::int64_t;

// The host's player steers the bottom paddle (player 1), the guest's the top.
enum class Side { Host, Guest };

struct RallyEnd {
  PassEnd end = PassEnd::Continue;
  PassNumber pass = 0;
  friend bool operator==(const RallyEnd&, const RallyEnd&) = default;
};

// Why a frame ran no new pass.
enum class FrameWait {
  None,
  Stalled,    // too far past the other machine's last reading: wait for it
  Pacing,     // running ahead of the other machine: sleep one pass
  RallyOver,  // the rally has ended (perhaps on a prediction, to be confirmed)
};

struct FrameResult {
  int passesRun = 0;       // new passes: 0 or 1
  int passesReplayed = 0;  // passes played again because a prediction was wrong
  // A pass asks for the hit sound once, on the first run of it that hits; a
  // hit that a correction moves to another pass sounds there too, and a hit a
  // correction takes away has already sounded.
  bool hitSound = false;
  std::optional<RallyEnd> end;  // on the frame the rally's end is confirmed
  FrameWait wait = FrameWait::None;
};

struct ReadingRun {
  PassNumber firstPass = 0;
  std::vector<PlayerReading> readings;
};

struct PassChecksum {
  PassNumber pass = -1;  // -1: no pass confirmed yet
  std::uint64_t checksum = 0;
};

enum class Agreement { Agrees, Differs, Unknown };

class RollbackSession {
 public:
  static constexpr int kDefaultInputDelay = 2;
  static constexpr int kMaxInputDelay = 8;
  // Saved states, and so how many passes may run past the last one whose
  // remote reading is known.
  static constexpr int kSavedStates = 8;
  // How many local readings may wait for the other machine's acknowledgement
  // before the session stalls: far more than a working link needs, and a
  // limit on what a peer that never acknowledges can make us hold or send.
  static constexpr int kMaxUnacknowledged = 32;
  // Remote readings are held this far past the last confirmed pass run here;
  // later ones are dropped, and come again since the other machine repeats
  // every reading it has not seen acknowledged.
  static constexpr int kRemoteWindow = 64;
  // A machine sleeps a pass when its advantage exceeds the other's by more
  // than this: a link's jitter alone moves the two figures a pass or so.
  static constexpr int kPacingSlack = 2;
  // The confirmed passes' checksums kept for a remote one arriving late: four
  // seconds of play.
  static constexpr int kKeptChecksums = 256;

  // inputDelay is held between 0 and kMaxInputDelay.
  RollbackSession(const MatchRally& start, Side side, int inputDelay = kDefaultInputDelay);

  // Whether the next AdvanceFrame runs a pass (short of a correction taking
  // back an end predicted on this machine).
  bool ReadyForPass() const;
  // Plays again what a correction asks for, then runs the next pass, steering
  // pass NextPass() + InputDelay() with this machine's reading, unless it has
  // to wait. A frame that runs no pass drops the reading.
  FrameResult AdvanceFrame(const PlayerReading& local);

  // The other machine's readings from firstPass on. Repeats, passes out of
  // order and passes long gone or too far ahead are all harmless.
  void AddRemoteReadings(PassNumber firstPass, std::span<const PlayerReading> readings);
  // The other machine holds every local reading up to this pass.
  void Acknowledge(PassNumber pass);
  // The other machine's LocalAdvantage().
  void SetRemoteAdvantage(std::int32_t passes);
  // Compares only passes confirmed here and still kept.
  Agreement CheckRemoteChecksum(PassNumber pass, std::uint64_t checksum) const;

  ReadingRun UnacknowledgedReadings() const;
  // Every remote reading up to this pass is here: the acknowledgement to send.
  PassNumber LastRemotePassHeld() const { return confirmed_; }
  // How many passes this machine runs ahead of the other, as far as it knows.
  std::int32_t LocalAdvantage() const;
  bool ShouldWaitOnePass() const;
  // The last pass run on both machines' real readings, with the checksum of
  // the state it left.
  PassChecksum ConfirmedChecksum() const;

  // The latest state, predictions and all: what to draw.
  const MatchRally& Rally() const { return rally_; }
  PassNumber NextPass() const { return next_; }
  int InputDelay() const { return delay_; }
  // Each confirmed pass's input in order: what a replay of the match keeps.
  const std::vector<PassInput>& ConfirmedInputs() const { return confirmedInputs_; }
  const std::optional<RallyEnd>& End() const { return confirmedEnd_; }

 private:
  struct Reading {
    PassNumber pass = -1;  // -1: an empty slot
    PlayerReading reading;
  };
  // What a run pass leaves to go back to.
  struct SavedPass {
    MatchRally before;
    PlayerReading remoteUsed;
    bool hitSounded = false;
  };
  // Local readings kept: every one not yet acknowledged, or not yet recorded.
  static constexpr int kLocalWindow = kMaxUnacknowledged + kSavedStates + kMaxInputDelay;

  bool Stalled() const;
  const PlayerReading* RemoteReading(PassNumber pass) const;
  PlayerReading RemoteOrPrediction(PassNumber pass) const;
  const PlayerReading& LocalReading(PassNumber pass) const;
  PassInput InputOf(const PlayerReading& mine, const PlayerReading& theirs) const;
  // Runs the pass on the state in rally_, saving that state first; false when
  // the rally ended on it.
  bool RunPass(PassNumber pass, FrameResult& frame);
  void Replay(FrameResult& frame);
  void SettleConfirmedPasses(FrameResult& frame);

  MatchRally rally_;
  Side side_;
  int delay_;
  PassNumber next_ = 0;
  // The last pass with every remote reading up to it known.
  PassNumber confirmed_;
  // The last pass recorded as confirmed: confirmed and run.
  PassNumber settled_ = -1;
  PassNumber acknowledged_;
  PassNumber latestLocal_;
  PassNumber latestRemote_;
  std::int32_t remoteAdvantage_ = 0;
  bool pacedLastFrame_ = false;
  std::optional<PassNumber> replayFrom_;
  std::optional<RallyEnd> predictedEnd_;
  std::optional<RallyEnd> confirmedEnd_;
  PlayerReading settledRemote_;
  std::array<SavedPass, kSavedStates> saved_;
  std::array<Reading, kLocalWindow> local_;
  std::array<Reading, kRemoteWindow> remote_;
  std::array<PassChecksum, kKeptChecksums> checksums_;
  std::vector<PassInput> confirmedInputs_;
};

}  // namespace rallix
