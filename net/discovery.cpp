#include "net/discovery.h"

#include <enet/enet.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "net/enet_library.h"
#include "net/messages.h"
#include "net/net_error.h"
#include "net/transport.h"

namespace rallix::net {
namespace {

// A plain UDP socket of ENet's, closed when it goes out of scope.
class Socket {
 public:
  Socket() : socket_(enet_socket_create(ENET_SOCKET_TYPE_DATAGRAM)) {
    if (socket_ == ENET_SOCKET_NULL) {
      throw NetError(std::string("cannot open a network socket: ") + std::strerror(errno));
    }
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  ~Socket() { enet_socket_destroy(socket_); }
  ENetSocket Get() const { return socket_; }

 private:
  ENetSocket socket_;
};

std::string IpText(const ENetAddress& address) {
  // Room for "255.255.255.255" and its end.
  std::array<char, 16> text{};
  if (enet_address_get_host_ip(&address, text.data(), text.size()) != 0) {
    return {};
  }
  return text.data();
}

}  // namespace

std::vector<FoundHost> DiscoverHosts(std::uint16_t port, int timeoutMs, std::string_view where) {
  UseEnet();
  ENetAddress target{.host = 0, .port = port};
  if (enet_address_set_host_ip(&target, std::string(where).c_str()) != 0) {
    throw NetError("\"" + std::string(where) + "\" is not an IPv4 address");
  }
  const Socket socket;
  enet_socket_set_option(socket.Get(), ENET_SOCKOPT_BROADCAST, 1);
  const std::vector<std::uint8_t> question = Encode(Discover{});
  const ENetBuffer out{.data = const_cast<std::uint8_t*>(question.data()),
                       .dataLength = question.size()};
  if (enet_socket_send(socket.Get(), &target, &out, 1) < 0) {
    throw NetError(std::string("cannot ask the local network for hosts: ") + std::strerror(errno));
  }

  std::vector<FoundHost> found;
  std::array<std::uint8_t, kMaxPacketBytes> answer{};
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (found.size() < kMaxFoundHosts) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    enet_uint32 condition = ENET_SOCKET_WAIT_RECEIVE;
    if (left.count() <= 0 ||
        enet_socket_wait(socket.Get(), &condition, static_cast<enet_uint32>(left.count())) != 0 ||
        (condition & ENET_SOCKET_WAIT_RECEIVE) == 0) {
      break;
    }
    ENetAddress from{};
    ENetBuffer in{.data = answer.data(), .dataLength = answer.size()};
    const int length = enet_socket_receive(socket.Get(), &from, &in, 1);
    if (length <= 0) {
      continue;  // too large to be an answer, or nothing after all
    }
    const DecodeResult decoded = Decode({answer.data(), static_cast<std::size_t>(length)});
    const auto* announce = decoded.message ? std::get_if<Announce>(&*decoded.message) : nullptr;
    if (announce == nullptr) {
      continue;
    }
    FoundHost host{IpText(from), announce->playerName, announce->port};
    if (std::find(found.begin(), found.end(), host) == found.end()) {
      found.push_back(std::move(host));
    }
  }
  return found;
}

}  // namespace rallix::net
