#pragma once
// rally-trace: runs the single-player rally rules from a plain-text script,
// with no window and no devices, and prints the field after every pass, so the
// rules can be checked line by line against cases worked out by hand.

#include <iosfwd>

namespace rallix {

enum class TraceStatus : int {
  Finished = 0,     // ran to win, loss, esc or the end of the script
  BallFlewOff = 1,  // the ball passed every wall and can never come back
  BadInput = 2,     // the script could not be read; the message names the line
};

void PrintRallyTraceUsage(std::ostream& out);

// Reads the script from `script`, writes one line per pass to `trace` and any
// complaint to `errors`.
TraceStatus RunRallyTrace(std::istream& script, std::ostream& trace, std::ostream& errors);

}  // namespace rallix
