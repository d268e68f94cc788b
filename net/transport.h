#pragma once
// The link between two games over UDP (ENet underneath, seen by nothing above
// this layer): a host that takes exactly one guest, and the guest that
// connects to it. Messages cross in two channels: a reliable one for
// everything said once (hello, settings, start, end, checksums...) and an
// unreliable, sequenced one for inputs, which repeat until acknowledged and
// so never wait for a resend. Everything received passes the one decoder;
// whatever fails it is dropped and counted.
//
// ENet 1.3 speaks IPv4 only: a host listens on every IPv4 address and a guest
// connects to an IPv4 name or address.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "net/drop_counts.h"
#include "net/messages.h"
#include "net/net_error.h"

namespace rallix::net {

inline constexpr std::uint16_t kDefaultGamePort = 7787;
// No packet over this crosses the link either way; it keeps every message in
// one datagram under ENet's usual MTU, so none is ever cut in fragments.
inline constexpr std::size_t kMaxPacketBytes = 1024;
static_assert(kMaxMessageBytes <= kMaxPacketBytes, "the largest message must fit in a packet");
// A partner gone silent (crashed, unplugged) is reported within this.
inline constexpr int kPartnerGoneMs = 3000;
inline constexpr int kDefaultConnectTimeoutMs = 5000;

// The partner is connected: a guest arrived at the host, the host accepted the guest.
struct LinkUp {
  friend bool operator==(const LinkUp&, const LinkUp&) = default;
};

enum class LinkLoss {
  Left,           // the partner closed the link (or refused us and closed it)
  TimedOut,       // the partner went silent for kPartnerGoneMs
  ConnectFailed,  // a guest's connection was never answered within its timeout
};

struct LinkDown {
  LinkLoss why = LinkLoss::Left;
  friend bool operator==(const LinkDown&, const LinkDown&) = default;
};

using NetEvent = std::variant<LinkUp, LinkDown, Message>;

// What a host and a guest have in common once set up.
class NetLink {
 public:
  ~NetLink();  // says goodbye to a connected partner
  NetLink(NetLink&&) noexcept;
  NetLink& operator=(NetLink&&) noexcept;

  // Services the link, waiting at most timeoutMs for something to happen
  // (0: never waits), and returns what happened, in order.
  std::vector<NetEvent> Poll(int timeoutMs);
  // Queues the message on its channel and sends it at once. False when there
  // is no connected partner, or for Discover and Announce, which never travel
  // on the link.
  bool Send(const Message& message);
  bool Connected() const;
  // ENet's smoothed round trip to the partner; 0 with no partner.
  std::uint32_t RoundTripMs() const;
  const DropCounts& Dropped() const;

 protected:
  struct Impl;
  explicit NetLink(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

class NetHost : public NetLink {
 public:
  // Listens on `port` of every IPv4 address (0: a port the system picks) and
  // answers discovery there with `playerName`. A second guest while one is
  // connected gets Refusal{Full} and is disconnected: it sees LinkUp, the
  // Refusal, then LinkDown{Left}; the host reports nothing of it. When the
  // guest is gone, the next one to connect is the guest. Throws NetError.
  NetHost(std::uint16_t port, std::string playerName);
  std::uint16_t Port() const;
};

class NetGuest : public NetLink {
 public:
  // Starts connecting to "host" or "host:port" (kDefaultGamePort without
  // one); Poll reports LinkUp, or LinkDown{ConnectFailed} once
  // connectTimeoutMs has passed unanswered. Throws NetError for an address
  // that is not an IPv4 one or a name with no IPv4 address.
  explicit NetGuest(std::string_view where, int connectTimeoutMs = kDefaultConnectTimeoutMs);
};

}  // namespace rallix::net
