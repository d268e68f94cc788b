#pragma once
// Decides how many frame passes are due: a fixed number per second whatever
// the display's refresh rate, a few caught up after a late frame, and a long
// stall (a dragged window, a suspended laptop) dropped rather than replayed.

#include <cstdint>

#include "platform/time/clock.h"

namespace rallix {

class FramePacer {
 public:
  static constexpr int kPassesPerSecond = 60;
  static constexpr int kMaxPassesPerFrame = 4;

  // The first pass is due at once.
  void Reset(Nanoseconds now) {
    start_ = now;
    done_ = 0;
  }

  int PassesDue(Nanoseconds now) {
    const std::int64_t elapsed = (now - start_).count();
    const std::int64_t owed = elapsed * kPassesPerSecond / 1'000'000'000 + 1;
    std::int64_t due = owed - done_;
    if (due > kMaxPassesPerFrame) {
      done_ = owed - 1;  // forget the stall; play on from here
      due = 1;
    }
    if (due < 0) {
      due = 0;
    }
    done_ += due;
    return static_cast<int>(due);
  }

 private:
  Nanoseconds start_{0};
  std::int64_t done_ = 0;
};

}  // namespace rallix
