#pragma once
// Sleeping while nothing moves: between frames the main loop waits here for
// the next event or the next deadline (a timer, say), whichever comes first,
// rather than drawing the same screen again sixty times a second.

#include "platform/time/clock.h"

namespace rallix {

// Returns at once when an event is waiting, else once one arrives or the
// clock reaches `deadline`. With `waitInSdl` the window system wakes us;
// without it (headless, where the only events are injected ones) the clock
// sleeps to the deadline, so a stepped clock jumps straight there.
void WaitForEventOrDeadline(Clock& clock, Nanoseconds deadline, bool waitInSdl);

}  // namespace rallix
