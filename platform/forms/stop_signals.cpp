#include "platform/forms/stop_signals.h"

#include <unistd.h>

#include <atomic>
#include <csignal>

namespace rallix {
namespace {

std::atomic<int> received{0};
std::atomic<bool> showingMessage{false};
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

}  // namespace

StopSignals::StopSignals() {
  received.store(0);
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
  showingMessage.store(showing);
}

}  // namespace rallix
