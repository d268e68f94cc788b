#pragma once
// Finding hosts on the local network: a Discover sent to every machine on the
// game port, answered by each host listening there with an Announce.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rallix::net {

// Where DiscoverHosts asks by default: every machine on the local network.
inline constexpr std::string_view kEveryLocalMachine = "255.255.255.255";
// Answers kept from one search; a network with more hosts than this is not a home's.
inline constexpr std::size_t kMaxFoundHosts = 32;

struct FoundHost {
  std::string address;  // dotted IPv4, as a guest connects to it
  std::string playerName;
  std::uint16_t port = 0;
  friend bool operator==(const FoundHost&, const FoundHost&) = default;
};

// Asks `where` (an IPv4 address, broadcast by default) on `port` and gathers
// the answers that arrive within timeoutMs, each host once. Throws NetError
// when the question cannot be sent at all.
std::vector<FoundHost> DiscoverHosts(std::uint16_t port, int timeoutMs,
                                     std::string_view where = kEveryLocalMachine);

}  // namespace rallix::net
