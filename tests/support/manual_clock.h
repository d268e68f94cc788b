#pragma once
// A clock for tests: time moves only when told to, so a test steps the
// runtime's timers and frame passes exactly instead of sleeping.

#include <algorithm>
#include <optional>

#include "platform/time/clock.h"

namespace rallix {

// Time that moves only when told to: sleeping jumps straight to the deadline.
class ManualClock final : public Clock {
 public:
  Nanoseconds Now() const override { return now_; }
  void SleepUntil(Nanoseconds deadline) override {
    if (horizon_) {
      deadline = std::min(deadline, *horizon_);
    }
    if (deadline > now_) {
      now_ = deadline;
    }
  }
  void Advance(Nanoseconds by) { now_ += by; }
  // An idle runtime sleeps until its next timer; a test watching only up to
  // some moment stops it there, as a player would look at the screen then.
  void SetHorizon(std::optional<Nanoseconds> horizon) { horizon_ = horizon; }

 private:
  Nanoseconds now_{0};
  std::optional<Nanoseconds> horizon_;
};

}  // namespace rallix
