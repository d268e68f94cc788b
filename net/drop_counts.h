#pragma once
// What the network layer threw away, and why. Nothing from the other side is
// trusted: whatever is not exactly a message the game could have sent is
// dropped, and the count is what tells a hostile or broken peer from a quiet
// one.

#include <array>
#include <cstddef>
#include <cstdint>

namespace rallix::net {

enum class DropReason : std::uint8_t {
  Empty,           // no bytes at all
  UnknownType,     // a type byte no message has
  Truncated,       // the bytes end inside a message
  TrailingBytes,   // bytes left after a whole message
  OverLimit,       // a text or list longer than its limit
  NotPrintable,    // a text with a byte outside printable ASCII
  OutOfRange,      // a number or choice the game never sends
  NotFinite,       // a NaN or infinite mouse reading
  TooLarge,        // a packet over the transport's size limit
  WrongChannel,    // a message on the channel the other kind travels on
  NotFromPartner,  // from a connection that is not (or no longer) the match's
  Stray,           // a datagram on the game port that is neither ENet's nor a Discover
  OtherVersion,    // a Discover from another protocol version
};
inline constexpr std::size_t kDropReasonCount =
    static_cast<std::size_t>(DropReason::OtherVersion) + 1;

struct DropCounts {
  std::array<std::uint64_t, kDropReasonCount> byReason{};

  void Count(DropReason reason) { ++byReason[static_cast<std::size_t>(reason)]; }
  std::uint64_t Of(DropReason reason) const { return byReason[static_cast<std::size_t>(reason)]; }
  std::uint64_t Total() const {
    std::uint64_t total = 0;
    for (const std::uint64_t count : byReason) {
      total += count;
    }
    return total;
  }
};

}  // namespace rallix::net
