#pragma once
// rally-trace: runs the rally rules from a plain-text script or a replay file,
// with no window and no devices, and prints the field after every pass, so the
// rules can be checked line by line against cases worked out by hand, and a
// recorded match against what the rules make of it.

#include <iosfwd>

namespace rallix {

enum class TraceStatus : int {
  Finished = 0,      // ran to win, loss, esc or the end of the script
  BallFlewOff = 1,   // the ball passed every wall and can never come back
  BadInput = 2,      // the script could not be read; the message names the line
  Disagrees = 3,     // the replay ended otherwise than the rules end it
  RunTimeError = 4,  // the replay's settings made the rules raise (an overflow)
};

struct Replay;

void PrintRallyTraceUsage(std::ostream& out);

// Reads the script from `script`, writes one line per pass to `trace` and any
// complaint to `errors`.
TraceStatus RunRallyTrace(std::istream& script, std::ostream& trace, std::ostream& errors);

// The same trace for every pass a replay recorded, stopping where the rally
// ended; the pass lines name the bottom paddle "player" and the top one "top"
// whoever steers them.
TraceStatus RunReplayTrace(const Replay& replay, std::ostream& trace, std::ostream& errors);

}  // namespace rallix
