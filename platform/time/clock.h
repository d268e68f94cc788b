#pragma once
// The runtime's sense of time. Everything that waits or fires on time (timers,
// the frame pacing, the limiter) asks a Clock, so tests can step time exactly
// instead of sleeping.

#include <chrono>

namespace rallix {

using Nanoseconds = std::chrono::nanoseconds;
using Milliseconds = std::chrono::milliseconds;

class Clock {
 public:
  virtual ~Clock() = default;
  // Time since an arbitrary fixed start; never goes backwards.
  virtual Nanoseconds Now() const = 0;
  // Returns once Now() >= deadline (at once when it already is).
  virtual void SleepUntil(Nanoseconds deadline) = 0;
};

// Real time: a monotonic clock, and a plain sleep. It wakes a tenth of a
// millisecond or so late, under 1 % of a frame, and passes are counted by
// the clock, not by wake-ups; spinning the last half millisecond away
// instead kept a match, even a paused one, busy for 3 % of a core.
class SteadyClock final : public Clock {
 public:
  Nanoseconds Now() const override;
  void SleepUntil(Nanoseconds deadline) override;
};

}  // namespace rallix
