#include "net/transport.h"

#include <enet/enet.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <utility>

#include "net/enet_library.h"
#include "net/host_address.h"

namespace rallix::net {
namespace {

constexpr std::size_t kChannelCount = 2;
constexpr enet_uint8 kReliableChannel = 0;
constexpr enet_uint8 kInputChannel = 1;
// The guest, and room for one more connection: a second guest must be let in
// to be told why it cannot play, not left to time out wondering.
constexpr std::size_t kHostConnections = 2;
constexpr std::size_t kGuestConnections = 1;
// Sent with our own disconnects; ENet reports a timeout with 0.
constexpr enet_uint32 kLeaving = 1;

// ENet judges a partner gone only when a resend falls due, and resends back
// off by doubling, so the limits sit well under kPartnerGoneMs: three resends
// must have failed (the round-trip timeout doubled to 8 times its first) and
// kPartnerGoneMinimumMs passed, or nothing answered for kPartnerGoneMaximumMs.
// Fewer failed resends would take a few packets lost in a row on a poor link
// (reliable pings go out all the time) for a partner gone. Idle links ping
// every kPingIntervalMs, so silence starts counting at once.
constexpr enet_uint32 kTimeoutResends = 8;
constexpr enet_uint32 kPartnerGoneMinimumMs = 1200;
constexpr enet_uint32 kPartnerGoneMaximumMs = 2500;
constexpr enet_uint32 kPingIntervalMs = 250;
static_assert(kPartnerGoneMaximumMs + kPingIntervalMs < kPartnerGoneMs);

// What a partner may hold in ENet's buffers waiting for us to read it; well
// over a second of every message, far under ENet's own 32 MB.
constexpr std::size_t kMaxWaitingBytes = 64 * kMaxPacketBytes;
// ENet events handled by one Poll, so a flood cannot hold the game's frame.
constexpr int kMaxEventsPerPoll = 256;

// A Discover is the one datagram on the game port that is not ENet's: its
// three bytes are fewer than any ENet datagram (a header and a command).
constexpr std::size_t kDiscoverBytes = 1 + sizeof(std::uint16_t);

struct HostDeleter {
  void operator()(ENetHost* host) const { enet_host_destroy(host); }
};
using HostPtr = std::unique_ptr<ENetHost, HostDeleter>;

struct PacketDeleter {
  void operator()(ENetPacket* packet) const { enet_packet_destroy(packet); }
};
using PacketPtr = std::unique_ptr<ENetPacket, PacketDeleter>;

// The one peer a link plays with, told goodbye when the link lets go of it.
class Partner {
 public:
  Partner() = default;
  Partner(const Partner&) = delete;
  Partner& operator=(const Partner&) = delete;
  ~Partner() { Leave(); }

  ENetPeer* Peer() const { return peer_; }
  void Take(ENetPeer* peer) { peer_ = peer; }
  // ENet has already reset the peer (it left or timed out): nothing to say.
  void Forget() { peer_ = nullptr; }
  void Leave() {
    if (peer_ != nullptr) {
      enet_peer_disconnect_now(peer_, kLeaving);
      peer_ = nullptr;
    }
  }

 private:
  ENetPeer* peer_ = nullptr;
};

std::optional<enet_uint8> ChannelFor(const Message& message) {
  if (std::holds_alternative<Inputs>(message)) {
    return kInputChannel;
  }
  if (std::holds_alternative<Discover>(message) || std::holds_alternative<Announce>(message)) {
    return std::nullopt;
  }
  return kReliableChannel;
}

void KeepPartnerTimeouts(ENetPeer* peer) {
  enet_peer_timeout(peer, kTimeoutResends, kPartnerGoneMinimumMs, kPartnerGoneMaximumMs);
  enet_peer_ping_interval(peer, kPingIntervalMs);
}

bool SendBytes(ENetPeer* peer, enet_uint8 channel, const std::vector<std::uint8_t>& bytes) {
  const enet_uint32 flags = channel == kReliableChannel ? ENET_PACKET_FLAG_RELIABLE : 0;
  PacketPtr packet(enet_packet_create(bytes.data(), bytes.size(), flags));
  if (packet == nullptr || enet_peer_send(peer, channel, packet.get()) != 0) {
    return false;
  }
  packet.release();  // ENet owns a packet it has queued
  return true;
}

HostPtr CreateHost(const ENetAddress* address, std::size_t connections) {
  HostPtr host(enet_host_create(address, connections, kChannelCount, 0, 0));
  if (host != nullptr) {
    host->maximumPacketSize = kMaxPacketBytes;
    host->maximumWaitingData = kMaxWaitingBytes;
  }
  return host;
}

// The first two bytes of an ENet datagram name the peer it is for; a
// connection request names none yet.
bool AsksToConnect(std::span<const std::uint8_t> datagram) {
  enet_uint16 field = 0;
  if (datagram.size() < sizeof field) {
    return false;
  }
  std::memcpy(&field, datagram.data(), sizeof field);
  const enet_uint16 peerId = ENET_NET_TO_HOST_16(field) &
                             ~(ENET_PROTOCOL_HEADER_FLAG_MASK | ENET_PROTOCOL_HEADER_SESSION_MASK);
  return peerId == ENET_PROTOCOL_MAXIMUM_PEER_ID;
}

bool FromKnownPeer(const ENetHost& host) {
  for (std::size_t i = 0; i < host.peerCount; ++i) {
    const ENetPeer& peer = host.peers[i];
    if (peer.state != ENET_PEER_STATE_DISCONNECTED &&
        peer.address.host == host.receivedAddress.host &&
        peer.address.port == host.receivedAddress.port) {
      return true;
    }
  }
  return false;
}

}  // namespace

struct NetLink::Impl {
  enum class Role { Host, Guest };

  Impl(Role role, HostPtr host, std::string playerName)
      : role(role), playerName(std::move(playerName)), host(std::move(host)) {
    this->host->intercept = &Impl::Intercept;
  }
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

  std::vector<NetEvent> Poll(int timeoutMs);
  void Handle(const ENetEvent& event, std::vector<NetEvent>& events);
  void Receive(const ENetEvent& event, std::vector<NetEvent>& events);
  void Refuse(ENetPeer* peer);
  void AnswerDiscover(const Discover& discover);
  static int ENET_CALLBACK Intercept(ENetHost* host, ENetEvent* event);

  Role role;
  std::string playerName;
  HostPtr host;  // declared before the partner, so it outlives the goodbye
  Partner partner;
  bool connected = false;
  std::optional<std::chrono::steady_clock::time_point> connectDeadline;
  DropCounts dropped;

  // ENet's intercept callback is told only the ENet host; the link whose
  // Poll is servicing that host is this.
  static thread_local Impl* servicing;
};

thread_local NetLink::Impl* NetLink::Impl::servicing = nullptr;

std::vector<NetEvent> NetLink::Impl::Poll(int timeoutMs) {
  // Named for the intercept while ENet runs, whatever leaves this function.
  struct Servicing {
    explicit Servicing(Impl* self) : outer(std::exchange(servicing, self)) {}
    Servicing(const Servicing&) = delete;
    Servicing& operator=(const Servicing&) = delete;
    ~Servicing() { servicing = outer; }
    Impl* outer;
  };
  std::vector<NetEvent> events;
  ENetEvent event;
  enet_uint32 wait = timeoutMs > 0 ? static_cast<enet_uint32>(timeoutMs) : 0;
  {
    const Servicing named(this);
    for (int handled = 0; handled < kMaxEventsPerPoll; ++handled) {
      if (enet_host_service(host.get(), &event, wait) <= 0) {
        break;
      }
      Handle(event, events);
      wait = 0;
    }
  }
  if (connectDeadline && std::chrono::steady_clock::now() >= *connectDeadline) {
    partner.Leave();
    connectDeadline.reset();
    events.emplace_back(LinkDown{LinkLoss::ConnectFailed});
  }
  return events;
}

void NetLink::Impl::Handle(const ENetEvent& event, std::vector<NetEvent>& events) {
  switch (event.type) {
    case ENET_EVENT_TYPE_CONNECT:
      if (role == Role::Host && partner.Peer() == nullptr) {
        partner.Take(event.peer);
      } else if (event.peer != partner.Peer()) {
        Refuse(event.peer);
        return;
      }
      KeepPartnerTimeouts(event.peer);
      connected = true;
      connectDeadline.reset();
      events.emplace_back(LinkUp{});
      return;
    case ENET_EVENT_TYPE_DISCONNECT:
      if (event.peer == partner.Peer()) {
        partner.Forget();
        const LinkLoss why = !connected               ? LinkLoss::ConnectFailed
                             : event.data == kLeaving ? LinkLoss::Left
                                                      : LinkLoss::TimedOut;
        connected = false;
        connectDeadline.reset();
        events.emplace_back(LinkDown{why});
      }
      return;
    case ENET_EVENT_TYPE_RECEIVE:
      Receive(event, events);
      return;
    case ENET_EVENT_TYPE_NONE:
      return;
  }
}

void NetLink::Impl::Receive(const ENetEvent& event, std::vector<NetEvent>& events) {
  const PacketPtr packet(event.packet);
  if (!connected || event.peer != partner.Peer()) {
    dropped.Count(DropReason::NotFromPartner);
    return;
  }
  if (packet->dataLength > kMaxPacketBytes) {
    dropped.Count(DropReason::TooLarge);
    return;
  }
  DecodeResult decoded = Decode({packet->data, packet->dataLength});
  if (!decoded.message) {
    dropped.Count(decoded.dropped);
    return;
  }
  if (ChannelFor(*decoded.message) != event.channelID) {
    dropped.Count(DropReason::WrongChannel);
    return;
  }
  events.emplace_back(std::move(*decoded.message));
}

void NetLink::Impl::Refuse(ENetPeer* peer) {
  KeepPartnerTimeouts(peer);
  const Refusal refusal{RefusalReason::Full, "This game already has its second player."};
  SendBytes(peer, kReliableChannel, Encode(refusal));
  // Later, not now: the refusal leaves first.
  enet_peer_disconnect_later(peer, kLeaving);
}

void NetLink::Impl::AnswerDiscover(const Discover& discover) {
  if (discover.protocolVersion != kProtocolVersion) {
    dropped.Count(DropReason::OtherVersion);
    return;
  }
  const std::vector<std::uint8_t> answer = Encode(Announce{playerName, host->address.port});
  const ENetBuffer buffer{.data = const_cast<std::uint8_t*>(answer.data()),
                          .dataLength = answer.size()};
  // Best effort: an asker that missed the answer asks again.
  enet_socket_send(host->socket, &host->receivedAddress, &buffer, 1);
}

// Every datagram reaches here before ENet: a Discover is answered (by a host)
// and kept from ENet; a datagram from no peer of ours that is not a request
// to connect is dropped and counted, where ENet would drop it unseen.
int ENET_CALLBACK NetLink::Impl::Intercept(ENetHost* host, ENetEvent*) {
  Impl* const self = servicing;
  if (self == nullptr || self->host.get() != host) {
    return 0;
  }
  const std::span<const std::uint8_t> datagram(host->receivedData, host->receivedDataLength);
  if (self->role == Role::Host && datagram.size() == kDiscoverBytes) {
    const DecodeResult decoded = Decode(datagram);
    if (decoded.message && std::holds_alternative<Discover>(*decoded.message)) {
      self->AnswerDiscover(std::get<Discover>(*decoded.message));
      return 1;
    }
  }
  if (FromKnownPeer(*host) || AsksToConnect(datagram)) {
    return 0;
  }
  self->dropped.Count(DropReason::Stray);
  return 1;
}

NetLink::NetLink(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
NetLink::~NetLink() = default;
NetLink::NetLink(NetLink&&) noexcept = default;
NetLink& NetLink::operator=(NetLink&&) noexcept = default;

std::vector<NetEvent> NetLink::Poll(int timeoutMs) {
  return impl_->Poll(timeoutMs);
}

bool NetLink::Send(const Message& message) {
  const std::optional<enet_uint8> channel = ChannelFor(message);
  if (!impl_->connected || !channel) {
    return false;
  }
  if (!SendBytes(impl_->partner.Peer(), *channel, Encode(message))) {
    return false;
  }
  // Inputs are late the moment they wait for the next Poll.
  enet_host_flush(impl_->host.get());
  return true;
}

bool NetLink::Connected() const {
  return impl_->connected;
}

std::uint32_t NetLink::RoundTripMs() const {
  return impl_->connected ? impl_->partner.Peer()->roundTripTime : 0;
}

const DropCounts& NetLink::Dropped() const {
  return impl_->dropped;
}

NetHost::NetHost(std::uint16_t port, std::string playerName)
    : NetLink([&] {
        UseEnet();
        const ENetAddress address{.host = ENET_HOST_ANY, .port = port};
        HostPtr host = CreateHost(&address, kHostConnections);
        if (host == nullptr) {
          throw NetError("cannot play host on port " + std::to_string(port) + ": " +
                         std::strerror(errno) + " (is another game using it?)");
        }
        return std::make_unique<Impl>(Impl::Role::Host, std::move(host), std::move(playerName));
      }()) {}

std::uint16_t NetHost::Port() const {
  return impl_->host->address.port;
}

NetGuest::NetGuest(std::string_view where, int connectTimeoutMs)
    : NetLink([&] {
        UseEnet();
        const HostAndPort target = ParseHostAndPort(where, kDefaultGamePort);
        ENetAddress address{.host = 0, .port = target.port};
        if (enet_address_set_host(&address, target.host.c_str()) != 0) {
          throw NetError("cannot find an IPv4 address for \"" + target.host +
                         "\" (network play, through ENet 1.3, works over IPv4 only)");
        }
        HostPtr host = CreateHost(nullptr, kGuestConnections);
        if (host == nullptr) {
          throw NetError(std::string("cannot open a network socket: ") + std::strerror(errno));
        }
        ENetPeer* peer = enet_host_connect(host.get(), &address, kChannelCount, 0);
        if (peer == nullptr) {
          throw NetError("cannot start connecting to \"" + std::string(where) + "\"");
        }
        // ENet's own give-up point during the connection, backed by the
        // deadline Poll keeps, which holds to the millisecond.
        const auto timeout = static_cast<enet_uint32>(std::max(connectTimeoutMs, 0));
        enet_peer_timeout(peer, kTimeoutResends, timeout, timeout);
        auto impl = std::make_unique<Impl>(Impl::Role::Guest, std::move(host), std::string());
        impl->partner.Take(peer);
        impl->connectDeadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(connectTimeoutMs);
        enet_host_flush(impl->host.get());
        return impl;
      }()) {}

}  // namespace rallix::net
