#pragma once
// The name a player is known by to the other machine: this machine's host
// name, made fit for a Hello or an Announce.

#include <string>

namespace rallix::net {

// The host name, cut to kMaxPlayerNameBytes, with any byte that is not
// printable ASCII shown as '?'; a fixed name when the system gives none.
std::string MachineName();

}  // namespace rallix::net
