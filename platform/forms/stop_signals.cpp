#include "platform/forms/stop_signals.h"

#include <unistd.h>
#ifndef __EMSCRIPTEN__
#include <pthread.h>
#include <sys/prctl.h>
#endif

#include <atomic>
#include <csignal>

namespace rallix {
namespace {

std::atomic<int> received{0};
std::atomic<bool> showingMessage{false};
// The game's own process while its message box is up.
std::atomic<pid_t> messageOwner{0};
struct sigaction earlierInt {};
struct sigaction earlierTerm {};

static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free,
              "a signal handler may only touch lock-free atomics");

void OnStopSignal(int signal) {
  received.store(signal);
  if (showingMessage.load()) {
    _exit(ExitStatusForSignal(signal));
  }
}

#ifndef __EMSCRIPTEN__
// On X11 SDL shows the message box from a child process it forks, and the box
// stays up as long as that child lives: a stop signal would end the game and
// leave its box on the screen until someone clicked OK. The child asks to die
// with the game. (The kernel ties this to the thread that forked, the main
// loop's, which lives as long as the game does.)
void OnForkedChild() {
  if (!showingMessage.load()) {
    return;
  }
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != messageOwner.load()) {
    raise(SIGKILL);  // the game ended before the request was made
  }
}

void WatchForkedChildren() {
  // Once for the process: there is no taking a fork handler back.
  static const bool watching = pthread_atfork(nullptr, nullptr, OnForkedChild) == 0;
  static_cast<void>(watching);
}
#endif

}  // namespace

StopSignals::StopSignals() {
  received.store(0);
#ifndef __EMSCRIPTEN__
  WatchForkedChildren();
#endif
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &earlierInt);
  sigaction(SIGTERM, &action, &earlierTerm);
}

StopSignals::~StopSignals() {
  sigaction(SIGINT, &earlierInt, nullptr);
  sigaction(SIGTERM, &earlierTerm, nullptr);
}

int StopSignals::Received() {
  return received.load();
}

void StopSignals::ShowingMessage(bool showing) {
  messageOwner.store(getpid());
  showingMessage.store(showing);
}

}  // namespace rallix
