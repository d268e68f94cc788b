// Host and guest on 127.0.0.1 only, each on a port the system picks, so that
// test runs side by side never meet. Waits are generous and end by
// themselves: a busy machine makes these tests slow, never wrong.

#include "net/transport.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <future>
#include <memory>

#include "net/discovery.h"
#include "net/host_address.h"

namespace rallix::net {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kPollMs = 5;
constexpr auto kPatience = std::chrono::seconds(10);
// A silent partner must be reported within kPartnerGoneMs; this leaves a busy
// machine room while still failing ENet's own default of 5 to 30 seconds.
constexpr auto kGoneAtTheLatest = std::chrono::milliseconds(5000);
constexpr char kLoopback[] = "127.0.0.1";

struct Side {
  NetLink& link;
  std::vector<NetEvent> events;
  template <typename T>
  const T* Find() const {
    for (const NetEvent& event : events) {
      if constexpr (std::is_same_v<T, LinkUp> || std::is_same_v<T, LinkDown>) {
        if (const T* found = std::get_if<T>(&event))
          return found;
      } else if (const Message* message = std::get_if<Message>(&event)) {
        if (const T* found = std::get_if<T>(message))
          return found;
      }
    }
    return nullptr;
  }
};

bool PollUntil(std::initializer_list<Side*> sides, const std::function<bool()>& done,
               Clock::duration patience = kPatience) {
  const auto deadline = Clock::now() + patience;
  while (Clock::now() < deadline) {
    for (Side* side : sides) {
      for (NetEvent& event : side->link.Poll(kPollMs))
        side->events.push_back(std::move(event));
    }
    if (done())
      return true;
  }
  return false;
}

struct Match {
  Match() {
    EXPECT_TRUE(PollUntil({&h, &g}, [&] { return h.Find<LinkUp>() && g.Find<LinkUp>(); }));
  }
  NetHost host{0, "host-machine"};
  NetGuest guest{std::string(kLoopback) + ":" + std::to_string(host.Port())};
  Side h{host, {}};
  Side g{guest, {}};
};

TEST(TransportTest, HostAndGuestSayHelloAndExchangeSettingsAndInputs) {
  Match m;
  EXPECT_TRUE(m.host.Send(Hello{kProtocolVersion, "0.4", "host-machine"}));
  EXPECT_TRUE(m.guest.Send(Hello{kProtocolVersion, "0.4", "guest-machine"}));
  const MatchChoices settings{6, 2, SteeringDevice::Mouse, SteeringDevice::Joystick};
  EXPECT_TRUE(m.host.Send(settings));
  EXPECT_FALSE(m.host.Send(Discover{}));  // never on the link
  ASSERT_TRUE(
      PollUntil({&m.h, &m.g}, [&] { return m.h.Find<Hello>() && m.g.Find<MatchChoices>(); }));
  EXPECT_EQ(m.h.Find<Hello>()->playerName, "guest-machine");
  EXPECT_EQ(m.g.Find<Hello>()->playerName, "host-machine");
  EXPECT_EQ(*m.g.Find<MatchChoices>(), settings);

  // Inputs travel unreliably: like the session, send until one arrives.
  const Inputs inputs{10, 9, -3, {{72, 1.5f, 4000}, {0, -0.25f, 2500}}};
  ASSERT_TRUE(PollUntil({&m.h, &m.g}, [&] { return m.guest.Send(inputs) && m.h.Find<Inputs>(); }));
  EXPECT_EQ(*m.h.Find<Inputs>(), inputs);
  EXPECT_EQ(m.host.Dropped().Total(), 0u);
}

TEST(TransportTest, ASecondGuestIsRefusedAndTheFirstPlaysOn) {
  Match m;
  NetGuest second(std::string(kLoopback) + ":" + std::to_string(m.host.Port()));
  Side s{second, {}};
  ASSERT_TRUE(PollUntil({&m.h, &m.g, &s}, [&] { return s.Find<LinkDown>() != nullptr; }));
  ASSERT_NE(s.Find<Refusal>(), nullptr);
  EXPECT_EQ(s.Find<Refusal>()->reason, RefusalReason::Full);
  EXPECT_EQ(s.Find<LinkDown>()->why, LinkLoss::Left);

  EXPECT_TRUE(m.host.Send(Checksum{60, 42}));
  ASSERT_TRUE(PollUntil({&m.h, &m.g}, [&] { return m.g.Find<Checksum>() != nullptr; }));
  EXPECT_TRUE(m.host.Connected());
  EXPECT_EQ(m.h.events.size(), 1u);  // the first guest's LinkUp, nothing of the second
}

// A plain UDP socket, for datagrams no game would send.
class RawSocket {
 public:
  RawSocket() : fd_(::socket(AF_INET, SOCK_DGRAM, 0)) {}
  ~RawSocket() { ::close(fd_); }
  void SendTo(std::uint16_t port, const std::vector<std::uint8_t>& bytes) const {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    ::inet_pton(AF_INET, kLoopback, &to.sin_addr);
    ::sendto(fd_, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
  }

 private:
  int fd_;
};

TEST(TransportTest, BadPacketsAndStrayDatagramsAreDroppedAndCountedAndTheLinkHolds) {
  Match m;
  // What a broken or hostile guest could send through the link...
  EXPECT_TRUE(m.guest.Send(MatchChoices{9, 0, SteeringDevice::Keyboard, SteeringDevice::Mouse}));
  const Inputs notANumber{0, 0, 0, {{0, std::numeric_limits<float>::quiet_NaN(), 2500}}};
  // ...and what anybody could send to the port: neither ENet's header nor a Discover.
  const RawSocket raw;
  const std::vector<std::vector<std::uint8_t>> strays = {{0x12, 0x34, 'n', 'o'}, {0x00}, {7}};
  for (const auto& stray : strays)
    raw.SendTo(m.host.Port(), stray);
  raw.SendTo(m.host.Port(), Encode(Discover{kProtocolVersion + 1}));

  const DropCounts& dropped = m.host.Dropped();
  ASSERT_TRUE(PollUntil({&m.h, &m.g}, [&] {
    return m.guest.Send(notANumber) && dropped.Of(DropReason::NotFinite) > 0 &&
           dropped.Of(DropReason::OutOfRange) == 1 &&
           dropped.Of(DropReason::Stray) == strays.size() &&
           dropped.Of(DropReason::OtherVersion) == 1;
  }));
  EXPECT_TRUE(m.guest.Send(Checksum{1, 2}));
  ASSERT_TRUE(PollUntil({&m.h, &m.g}, [&] { return m.h.Find<Checksum>() != nullptr; }));
  EXPECT_EQ(m.h.Find<MatchChoices>(), nullptr);
  EXPECT_EQ(m.h.Find<Inputs>(), nullptr);
  EXPECT_TRUE(m.host.Connected() && m.guest.Connected());
}

TEST(TransportTest, TheHostAnswersDiscoverWithItsNameAndPort) {
  NetHost host(0, "host-machine");
  Side h{host, {}};
  // Broadcasts are left untested: these tests speak to 127.0.0.1 alone.
  auto found =
      std::async(std::launch::async, [&] { return DiscoverHosts(host.Port(), 1500, kLoopback); });
  PollUntil({&h},
            [&] { return found.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
  EXPECT_EQ(found.get(), (std::vector<FoundHost>{{kLoopback, "host-machine", host.Port()}}));
}

TEST(TransportTest, ASilentPartnerIsReportedGoneWithinSeconds) {
  for (const bool hostFallsSilent : {true, false}) {
    SCOPED_TRACE(hostFallsSilent ? "host silent" : "guest silent");
    Match m;
    Side& watcher = hostFallsSilent ? m.g : m.h;
    const auto start = Clock::now();
    ASSERT_TRUE(PollUntil({&watcher}, [&] { return watcher.Find<LinkDown>() != nullptr; }));
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    std::printf("silent partner reported after %lld ms\n", static_cast<long long>(took.count()));
    EXPECT_EQ(watcher.Find<LinkDown>()->why, LinkLoss::TimedOut);
    EXPECT_LT(took, kGoneAtTheLatest);
    EXPECT_FALSE(watcher.link.Connected());
  }
}

TEST(TransportTest, AGuestWithNoHostToReachGivesUp) {
  std::uint16_t freePort = 0;
  {
    const NetHost gone(0, "gone");
    freePort = gone.Port();
  }
  NetGuest guest(std::string(kLoopback) + ":" + std::to_string(freePort), 1000);
  Side g{guest, {}};
  ASSERT_TRUE(PollUntil({&g}, [&] { return g.Find<LinkDown>() != nullptr; }));
  EXPECT_EQ(g.Find<LinkDown>()->why, LinkLoss::ConnectFailed);
}

TEST(TransportTest, HostTextsAreIpv4NamesAndPortsOnly) {
  EXPECT_EQ(ParseHostAndPort("lounge-pc:7000", 1), (HostAndPort{"lounge-pc", 7000}));
  EXPECT_EQ(ParseHostAndPort("192.168.1.20", kDefaultGamePort),
            (HostAndPort{"192.168.1.20", 7787}));
  for (const char* bad :
       {"::1", "[::1]:7787", "fe80::1", ":7787", "", "pc:0", "pc:65536", "pc:7x", "pc:"}) {
    EXPECT_THROW(ParseHostAndPort(bad, kDefaultGamePort), NetError) << bad;
  }
  EXPECT_THROW(NetGuest("[::1]:7787"), NetError);
}

}  // namespace
}  // namespace rallix::net
