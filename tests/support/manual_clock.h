#pragma once
// A clock for tests: time moves only when told to, so a test steps the
// runtime's timers and frame passes exactly instead of sleeping.

#include "platform/time/clock.h"

namespace rallix {

// Time that moves only when told to: sleeping jumps straight to the deadline.
class ManualClock final : public Clock {
 public:
  Nanoseconds Now() const override { return now_; }
  void SleepUntil(Nanoseconds deadline) override {
    if (deadline > now_) {
      now_ = deadline;
    }
  }
  void Advance(Nanoseconds by) { now_ += by; }

 private:
  Nanoseconds now_{0};
};

}  // namespace rallix
