#include "net/rollback_session.h"

#include <algorithm>
#include <bit>

#include "net/rally_checksum.h"

namespace rallix {
namespace {

// Bit for bit, as the readings cross the network: a mouse reading of -0 is not
// the same reading as 0, nor a NaN the same as nothing.
bool SameReading(const PlayerReading& a, const PlayerReading& b) {
  return a.lastKey == b.lastKey && a.joyX == b.joyX &&
         std::bit_cast<std::uint32_t>(a.mouseX) == std::bit_cast<std::uint32_t>(b.mouseX);
}

template <typename Slot, std::size_t Size>
Slot& SlotOf(std::array<Slot, Size>& ring, PassNumber pass) {
  return ring[static_cast<std::size_t>(pass) % Size];
}

template <typename Slot, std::size_t Size>
const Slot& SlotOf(const std::array<Slot, Size>& ring, PassNumber pass) {
  return ring[static_cast<std::size_t>(pass) % Size];
}

}  // namespace

RollbackSession::RollbackSession(const MatchRally& start, Side side, int inputDelay)
    : rally_(start),
      side_(side),
      delay_(std::clamp(inputDelay, 0, kMaxInputDelay)),
      confirmed_(delay_ - 1),
      acknowledged_(delay_ - 1),
      latestLocal_(delay_ - 1),
      latestRemote_(delay_ - 1) {
  // Before the first delayed reading can arrive, both sides steer with the
  // neutral reading: every machine knows those passes' input from the start.
  for (PassNumber pass = 0; pass < delay_; ++pass) {
    SlotOf(local_, pass) = {pass, PlayerReading{}};
    SlotOf(remote_, pass) = {pass, PlayerReading{}};
  }
}

bool RollbackSession::Stalled() const {
  return next_ > confirmed_ + kSavedStates || next_ + delay_ - acknowledged_ > kMaxUnacknowledged;
}

bool RollbackSession::ShouldWaitOnePass() const {
  // Never two sleeps in a row: the other side hears of the first only a round
  // trip later, and sleeping on stale news would overshoot.
  return !pacedLastFrame_ && LocalAdvantage() - remoteAdvantage_ > kPacingSlack;
}

bool RollbackSession::ReadyForPass() const {
  return !predictedEnd_ && !Stalled() && !ShouldWaitOnePass();
}

std::int32_t RollbackSession::LocalAdvantage() const {
  // The other machine sends the reading for pass n + delay when it runs pass n.
  const PassNumber remoteNext = latestRemote_ + 1 - delay_;
  return static_cast<std::int32_t>(next_ - remoteNext);
}

void RollbackSession::SetRemoteAdvantage(std::int32_t passes) {
  // No honest advantage reaches past the window of readings either side holds.
  remoteAdvantage_ = std::clamp(passes, -kRemoteWindow, kRemoteWindow);
}

const PlayerReading* RollbackSession::RemoteReading(PassNumber pass) const {
  const Reading& slot = SlotOf(remote_, pass);
  return slot.pass == pass ? &slot.reading : nullptr;
}

const PlayerReading& RollbackSession::LocalReading(PassNumber pass) const {
  return SlotOf(local_, pass).reading;
}

PlayerReading RollbackSession::RemoteOrPrediction(PassNumber pass) const {
  if (const PlayerReading* known = RemoteReading(pass)) {
    return *known;
  }
  // The other player most likely still does what they did last.
  return confirmed_ > settled_ ? *RemoteReading(confirmed_) : settledRemote_;
}

PassInput RollbackSession::InputOf(const PlayerReading& mine, const PlayerReading& theirs) const {
  return side_ == Side::Host ? PassInputOf(mine, theirs) : PassInputOf(theirs, mine);
}

bool RollbackSession::RunPass(PassNumber pass, FrameResult& frame) {
  SavedPass& saved = SlotOf(saved_, pass);
  saved.before = rally_;
  saved.remoteUsed = RemoteOrPrediction(pass);
  const PassResult result = rally_.Pass(InputOf(LocalReading(pass), saved.remoteUsed));
  if (result.hitSound && !saved.hitSounded) {
    saved.hitSounded = true;
    frame.hitSound = true;
  }
  if (EndsTheRally(result.end)) {
    predictedEnd_ = RallyEnd{result.end, pass};
    return false;
  }
  return true;
}

void RollbackSession::Replay(FrameResult& frame) {
  if (!replayFrom_) {
    return;
  }
  const PassNumber until = next_;
  next_ = *replayFrom_;
  replayFrom_.reset();
  predictedEnd_.reset();
  rally_ = SlotOf(saved_, next_).before;
  // A corrected pass may end the rally early: no pass runs after the end.
  while (next_ < until) {
    ++frame.passesReplayed;
    if (!RunPass(next_++, frame)) {
      break;
    }
  }
}

void RollbackSession::SettleConfirmedPasses(FrameResult& frame) {
  const PassNumber last = std::min(confirmed_, next_ - 1);
  while (settled_ < last) {
    const PassNumber pass = settled_ + 1;
    settledRemote_ = *RemoteReading(pass);
    confirmedInputs_.push_back(InputOf(LocalReading(pass), settledRemote_));
    const MatchRally& after = pass == next_ - 1 ? rally_ : SlotOf(saved_, pass + 1).before;
    SlotOf(checksums_, pass) = {pass, RallyChecksum(after)};
    if (predictedEnd_ && predictedEnd_->pass == pass) {
      confirmedEnd_ = predictedEnd_;
      frame.end = confirmedEnd_;
    }
    // From here the pass's remote slot may take a later pass's reading.
    settled_ = pass;
  }
}

FrameResult RollbackSession::AdvanceFrame(const PlayerReading& local) {
  FrameResult frame;
  Replay(frame);
  SettleConfirmedPasses(frame);
  if (predictedEnd_) {
    frame.wait = FrameWait::RallyOver;
  } else if (Stalled()) {
    frame.wait = FrameWait::Stalled;
  } else if (ShouldWaitOnePass()) {
    frame.wait = FrameWait::Pacing;
  } else {
    // A pass cut off by an end that a correction took back has run before:
    // it keeps the reading it steered (already sent) and the hit it sounded.
    if (next_ + delay_ > latestLocal_) {
      latestLocal_ = next_ + delay_;
      SlotOf(local_, latestLocal_) = {latestLocal_, local};
      SlotOf(saved_, next_).hitSounded = false;
    }
    RunPass(next_++, frame);
    frame.passesRun = 1;
    SettleConfirmedPasses(frame);
  }
  pacedLastFrame_ = frame.wait == FrameWait::Pacing;
  return frame;
}

void RollbackSession::AddRemoteReadings(PassNumber firstPass,
                                        std::span<const PlayerReading> readings) {
  // Only passes not yet recorded and within the window have a slot; anything
  // else is a repeat, or comes again later.
  const PassNumber lowest = settled_ + 1;
  const PassNumber highest = settled_ + kRemoteWindow;
  if (readings.empty() || firstPass > highest) {
    return;
  }
  // Unsigned, so a hostile first pass far below zero cannot overflow.
  const std::uint64_t skipped = firstPass < lowest ? static_cast<std::uint64_t>(lowest) -
                                                         static_cast<std::uint64_t>(firstPass)
                                                   : 0;
  if (skipped >= readings.size()) {
    return;
  }
  const PassNumber from = std::max(firstPass, lowest);
  const PassNumber to =
      std::min<PassNumber>(highest, from + static_cast<PassNumber>(readings.size() - skipped) - 1);
  for (PassNumber pass = from; pass <= to; ++pass) {
    const PlayerReading& reading = readings[skipped + static_cast<std::uint64_t>(pass - from)];
    Reading& slot = SlotOf(remote_, pass);
    if (slot.pass == pass) {
      continue;  // the first copy stands
    }
    slot = {pass, reading};
    latestRemote_ = std::max(latestRemote_, pass);
    if (pass < next_ && !SameReading(SlotOf(saved_, pass).remoteUsed, reading)) {
      replayFrom_ = std::min(replayFrom_.value_or(pass), pass);
    }
  }
  while (RemoteReading(confirmed_ + 1)) {
    ++confirmed_;
  }
}

void RollbackSession::Acknowledge(PassNumber pass) {
  if (pass > acknowledged_ && pass <= latestLocal_) {
    acknowledged_ = pass;
  }
}

ReadingRun RollbackSession::UnacknowledgedReadings() const {
  ReadingRun run{acknowledged_ + 1, {}};
  for (PassNumber pass = run.firstPass; pass <= latestLocal_; ++pass) {
    run.readings.push_back(LocalReading(pass));
  }
  return run;
}

PassChecksum RollbackSession::ConfirmedChecksum() const {
  return settled_ < 0 ? PassChecksum{} : SlotOf(checksums_, settled_);
}

Agreement RollbackSession::CheckRemoteChecksum(PassNumber pass, std::uint64_t checksum) const {
  if (pass < 0 || pass > settled_) {
    return Agreement::Unknown;
  }
  const PassChecksum& kept = SlotOf(checksums_, pass);
  if (kept.pass != pass) {
    return Agreement::Unknown;
  }
  return kept.checksum == checksum ? Agreement::Agrees : Agreement::Differs;
}

}  // namespace rallix
