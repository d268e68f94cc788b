#include "platform/time/clock.h"

#include <thread>

namespace rallix {

Nanoseconds SteadyClock::Now() const {
  return std::chrono::duration_cast<Nanoseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyClock::SleepUntil(Nanoseconds deadline) {
#ifdef __EMSCRIPTEN__
  // A web page cannot sleep, only spin; the browser calls each frame when
  // the display wants it, and that paces the loop.
  static_cast<void>(deadline);
  return;
#endif
  for (Nanoseconds now = Now(); now < deadline; now = Now()) {
    std::this_thread::sleep_for(deadline - now);
  }
}

}  // namespace rallix
