#pragma once
// SIGINT and SIGTERM end the whole program: the main loop sees the request at
// its next turn and ends, whatever screen is up, giving the display back as
// at any end. While an error report waits in its message box (a loop of the
// system's own, which never looks at our requests) the program leaves at once:
// by then the display is already given back and every file is whole.

namespace rallix {

class StopSignals {
 public:
  // Catches both signals until destroyed, when the earlier handlers return.
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // The signal that asked the program to stop, or 0.
  static int Received();
  // Whether a message box is up: a signal then ends the process at once.
  static void ShowingMessage(bool showing);
};

// A message box is up while one of these lives: a stop signal then ends the
// program at once, and the box goes with it. Needs a StopSignals alive.
class MessageBoxUp {
 public:
  MessageBoxUp() { StopSignals::ShowingMessage(true); }
  ~MessageBoxUp() { StopSignals::ShowingMessage(false); }
  MessageBoxUp(const MessageBoxUp&) = delete;
  MessageBoxUp& operator=(const MessageBoxUp&) = delete;
};

// The exit status of a program a signal stopped, as the shell reports it.
constexpr int ExitStatusForSignal(int signal) {
  return 128 + signal;
}

}  // namespace rallix
