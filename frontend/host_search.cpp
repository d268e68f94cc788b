#include "frontend/host_search.h"

#include <chrono>
#include <utility>

#include "net/net_error.h"
#include "net/transport.h"

namespace rallix {

HostSearch::HostSearch(int answerWaitMs, int ticksBetweenSearches)
    : answerWaitMs_(answerWaitMs), ticksBetweenSearches_(ticksBetweenSearches) {}

std::optional<std::vector<net::FoundHost>> HostSearch::Tick(bool wanted) {
  std::optional<std::vector<net::FoundHost>> changed;
  if (search_.valid()) {
    if (search_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
      return changed;
    }
    std::vector<net::FoundHost> found = search_.get();
    if (found != found_) {
      found_ = std::move(found);
      changed = found_;
    }
    ticksToSearch_ = ticksBetweenSearches_;
  }
  if (wanted && ticksToSearch_-- <= 0) {
    search_ = std::async(std::launch::async, [waitMs = answerWaitMs_] {
      try {
        return net::DiscoverHosts(net::kDefaultGamePort, waitMs);
      } catch (const net::NetError&) {
        return std::vector<net::FoundHost>{};  // no network to ask on: the address box still works
      }
    });
  }
  return changed;
}

}  // namespace rallix
