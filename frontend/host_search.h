#pragma once
// Looking for games hosting on the local network while the network screen
// waits for the player to choose one. Asking takes a moment of waiting for
// answers, so it runs on a thread of its own, and the screen's timer picks
// up what it found without ever waiting for it.

#include <future>
#include <optional>
#include <vector>

#include "net/discovery.h"

namespace rallix {

class HostSearch {
 public:
  // Answers are waited for this long, and a new search starts this many
  // ticks of the screen's timer after the last one ended.
  HostSearch(int answerWaitMs, int ticksBetweenSearches);

  // Called on every tick of the screen's timer: takes in a search that has
  // ended, and starts the next one when `wanted` and its time has come. The
  // hosts found, when they differ from those found before.
  std::optional<std::vector<net::FoundHost>> Tick(bool wanted);
  // The next tick that wants a search starts one.
  void SearchSoon() { ticksToSearch_ = 0; }
  const std::vector<net::FoundHost>& Found() const { return found_; }

 private:
  int answerWaitMs_;
  int ticksBetweenSearches_;
  std::future<std::vector<net::FoundHost>> search_;
  int ticksToSearch_ = 0;
  std::vector<net::FoundHost> found_;
};

}  // namespace rallix
