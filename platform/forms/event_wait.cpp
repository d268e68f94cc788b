#include "platform/forms/event_wait.h"

#include <SDL.h>

#include <algorithm>

namespace rallix {

#ifdef __EMSCRIPTEN__
// A page never waits: its frame callback comes back when the browser is ready,
// and a frame with nothing to do simply draws nothing.
void WaitForEventOrDeadline(Clock&, Nanoseconds, bool) {}
#else
namespace {

// SDL cannot sleep on a joystick: with one plugged in, its own wait would
// wake every millisecond to poll. We poll ten times less often instead; a
// menu does not need a pad's every move.
constexpr Nanoseconds kJoystickPollInterval = Milliseconds(10);

bool EventWaiting() {
  SDL_PumpEvents();
  return SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) == SDL_TRUE;
}

bool JoysticksNeedPolling() {
  return SDL_WasInit(SDL_INIT_JOYSTICK) != 0 && SDL_NumJoysticks() > 0;
}

int WholeMillisecondsUntil(Nanoseconds from, Nanoseconds to) {
  // Rounded up, so a wait never ends just short of the deadline and spins.
  const auto ms = std::chrono::ceil<Milliseconds>(to - from).count();
  return static_cast<int>(std::clamp<long long>(ms, 1, 1'000'000));
}

}  // namespace

void WaitForEventOrDeadline(Clock& clock, Nanoseconds deadline, bool waitInSdl) {
  if (EventWaiting()) {
    return;
  }
  if (!waitInSdl) {
    clock.SleepUntil(deadline);
    return;
  }
  for (Nanoseconds now = clock.Now(); now < deadline; now = clock.Now()) {
    if (JoysticksNeedPolling()) {
      clock.SleepUntil(std::min(deadline, now + kJoystickPollInterval));
      if (EventWaiting()) {
        return;
      }
    } else if (SDL_WaitEventTimeout(nullptr, WholeMillisecondsUntil(now, deadline)) == 1) {
      return;  // left in the queue for the main loop to read
    }
  }
}
#endif

}  // namespace rallix
