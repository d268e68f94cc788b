#pragma once
// A link that cannot be set up at all: the port is taken, the address is not
// an IPv4 one, the name is unknown. The text says so in the player's terms,
// ready for a screen to show.

#include <stdexcept>

namespace rallix::net {

class NetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace rallix::net
