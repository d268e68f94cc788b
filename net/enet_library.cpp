#include "net/enet_library.h"

#include <enet/enet.h>

#include "net/net_error.h"

namespace rallix::net {
namespace {

class EnetLibrary {
 public:
  EnetLibrary() {
    if (enet_initialize() != 0) {
      throw NetError("the network library (ENet) could not start");
    }
  }
  EnetLibrary(const EnetLibrary&) = delete;
  EnetLibrary& operator=(const EnetLibrary&) = delete;
  ~EnetLibrary() { enet_deinitialize(); }
};

}  // namespace

void UseEnet() {
  static const EnetLibrary library;
}

}  // namespace rallix::net
