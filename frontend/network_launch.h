#pragma once
// How the full game was asked, on its command line, to play over a network:
// hosting on a port, and starting the match as soon as a player has joined
// and chosen a device, or joining the game at an address ("host" or
// "host:port").

#include <cstdint>
#include <string>

namespace rallix {

struct NetworkLaunch {
  bool host = true;
  std::uint16_t port = 0;
  std::string address;
};

}  // namespace rallix
