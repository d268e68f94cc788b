// Times the dearest frame a network match can have: the other machine's
// reading for the oldest pass still run on a prediction turns out different,
// so the rollback session restores the state it saved before that pass and
// plays all eight saved passes again, then runs the frame's own new pass.
// Every frame here is such a frame. The game keeps it under 50 us, a sliver
// of the 16.7 ms a pass lasts.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/allocation_counter.h"
#include "core/key_codes.h"
#include "net/rollback_session.h"
#include "rules/two_player_rally.h"

namespace rallix {
namespace {

constexpr std::int32_t kBallSpeed = 5;

MatchRally NetRally() {
  TwoPlayerRally rally = TwoPlayerRally::Start(kBallSpeed);
  rally.TwoMachines = true;
  return MatchRally(rally);
}

// A player following the ball, so that rallies last and the passes played
// again are ordinary ones: the ball moving, paddles steering, hits.
std::uint8_t KeyTowardsBall(const Rect& paddle, const Rect& ball) {
  // Close enough that chasing the last few pixels would only make it jitter.
  constexpr std::int32_t kDeadZone = 8;
  const std::int32_t ballCentre = (ball.left + ball.right) / 2;
  const std::int32_t paddleCentre = (paddle.left + paddle.right) / 2;
  if (ballCentre < paddleCentre - kDeadZone) {
    return KeyCode::LeftArrow;
  }
  if (ballCentre > paddleCentre + kDeadZone) {
    return KeyCode::RightArrow;
  }
  return KeyCode::None;
}

// The other player's reading for a pass. Their mouse, which keyboard steering
// ignores, moves one way on odd passes and not on even ones: each reading
// differs from the one before it, which is what the session predicts, so
// every reading that arrives corrects a prediction.
PlayerReading TheirReading(const MatchRally& seen, PassNumber pass) {
  return PlayerReading{KeyTowardsBall(seen.TopPaddle(), seen.Ball()), static_cast<float>(pass % 2),
                       Rally::JoystickCentre};
}

// The host's side of a link where the guest's readings arrive exactly as late
// as the saved states reach: each frame the reading for the oldest predicted
// pass comes in, eight passes after it ran.
class EightPassesLate {
 public:
  EightPassesLate() : session_(NetRally(), Side::Host) {
    // Runs on predictions until the session holds as many passes as it can.
    while (session_.ReadyForPass()) {
      Frame();
    }
    steady_ = session_;
  }

  FrameResult Frame() {
    const PassNumber due = session_.LastRemotePassHeld() + 1;
    if (session_.NextPass() - due >= RollbackSession::kSavedStates) {
      const PlayerReading theirs = TheirReading(session_.Rally(), due);
      session_.AddRemoteReadings(due, {&theirs, 1});
    }
    // The guest holds every reading sent, and runs as far ahead in its own
    // view: neither side waits on the other.
    session_.Acknowledge(session_.NextPass() + session_.InputDelay() - 1);
    session_.SetRemoteAdvantage(session_.LocalAdvantage());
    const PlayerReading mine{
        KeyTowardsBall(session_.Rally().BottomPaddle(), session_.Rally().Ball()), 0,
        Rally::JoystickCentre};
    return session_.AdvanceFrame(mine);
  }

  // Back to the first full frame: a rally has ended.
  void StartAgain() { session_ = steady_; }

 private:
  RollbackSession session_;
  RollbackSession steady_{NetRally(), Side::Host};
};

void RollbackEightPasses(benchmark::State& state) {
  EightPassesLate link;
  std::int64_t replayed = 0;
  std::int64_t restarts = 0;
  const bench::AllocationCount before = bench::AllocationsSoFar();
  for ([[maybe_unused]] auto _ : state) {
    const FrameResult frame = link.Frame();
    replayed += frame.passesReplayed;
    if (frame.passesRun == 0 || frame.end) {
      // The rally ended: start the next one off the clock.
      state.PauseTiming();
      link.StartAgain();
      ++restarts;
      state.ResumeTiming();
    }
  }
  const bench::AllocationCount after = bench::AllocationsSoFar();
  const auto perFrame = [](double count) {
    return benchmark::Counter(count, benchmark::Counter::kAvgIterations);
  };
  state.counters["passes_replayed_per_frame"] = perFrame(static_cast<double>(replayed));
  state.counters["rally_restarts_per_frame"] = perFrame(static_cast<double>(restarts));
  state.counters["allocs_per_frame"] =
      perFrame(static_cast<double>(after.operatorNew - before.operatorNew));
}
BENCHMARK(RollbackEightPasses);

}  // namespace
}  // namespace rallix
