#pragma once
// This machine's IPv4 addresses, for a host to tell the player who joins.

#include <string>
#include <vector>

namespace rallix::net {

// Dotted addresses of the network interfaces that are up, loopback left out;
// empty when the system lists none.
std::vector<std::string> LocalIpv4Addresses();

}  // namespace rallix::net
