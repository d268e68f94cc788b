#pragma once
// ENet wants enet_initialize before its first use and enet_deinitialize after
// its last; every piece of this layer that uses ENet calls this first.

namespace rallix::net {

// Starts ENet once per process and ends it at exit. Throws NetError when it cannot start.
void UseEnet();

}  // namespace rallix::net
