#pragma once
// The text a player types to reach a host: "name", "name:port",
// "192.168.1.20" or "192.168.1.20:7787".

#include <cstdint>
#include <string>
#include <string_view>

namespace rallix::net {

struct HostAndPort {
  std::string host;
  std::uint16_t port = 0;
  friend bool operator==(const HostAndPort&, const HostAndPort&) = default;
};

// Splits the text at its colon; without one the port is `defaultPort`.
// Throws NetError for an empty host, a port that is not 1..65535, and any
// IPv6 address (ENet 1.3 speaks IPv4 only), each with a message that says so.
HostAndPort ParseHostAndPort(std::string_view where, std::uint16_t defaultPort);

}  // namespace rallix::net
