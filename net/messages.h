#pragma once
// What two games say to each other, one struct a message, and the one way in
// and out of bytes. The encoding is little-endian: one type byte, then the
// fields in order, every text and list after a length byte. The decoder is the
// only door for bytes from the network: it checks every size, range and value
// and turns down anything else with a reason, so no message that reaches the
// game can hold a value the game could not have sent.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "net/drop_counts.h"
#include "rules/pass.h"
#include "rules/rally_rules.h"

namespace rallix::net {

// Raised whenever the layout of any message changes: a game meets only games
// of its own protocol. Hello and Discover keep their layout in every version,
// so that two versions can still tell each other they differ.
inline constexpr std::uint16_t kProtocolVersion = 1;

// Limits of the texts and lists; a message over them is turned down whole.
inline constexpr std::size_t kMaxGameVersionBytes = 16;
inline constexpr std::size_t kMaxPlayerNameBytes = 64;
inline constexpr std::size_t kMaxRefusalTextBytes = 160;
// Texts hold printable ASCII only: no control byte can reach a screen or a log.
inline constexpr unsigned char kFirstPrintable = 0x20;
inline constexpr unsigned char kLastPrintable = 0x7E;
constexpr bool IsPrintable(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= kFirstPrintable && byte <= kLastPrintable;
}
// Readings one Inputs message may carry: a rollback window of 8 passes plus a
// second of loss at 60 passes a second, each packet repeating every reading
// not yet acknowledged.
inline constexpr std::size_t kMaxReadingsPerInputs = 64;

// The ball speeds the two-player settings screen offers.
inline constexpr std::int16_t kSlowestBallSpeed = 3;
inline constexpr std::int16_t kFastestBallSpeed = 7;
// The balls a player picks from, by their place in art::Balls().
inline constexpr std::uint8_t kBallChoices = 5;
// A joystick reading's range, the one the input class gives every axis.
inline constexpr std::int32_t kJoystickLeast = 0;
inline constexpr std::int32_t kJoystickMost = 5000;

// The type byte of each message. The numbers are the wire's: never reuse one.
enum class MessageType : std::uint8_t {
  Hello = 1,
  Refusal = 2,
  MatchChoices = 3,
  Start = 4,
  Cancel = 5,
  End = 6,
  Inputs = 7,
  Checksum = 8,
  Discover = 9,
  Announce = 10,
};

// Sent first by both sides.
struct Hello {
  static constexpr MessageType kType = MessageType::Hello;
  std::uint16_t protocolVersion = kProtocolVersion;
  std::string gameVersion;  // printable, at most kMaxGameVersionBytes
  std::string playerName;   // the machine's name, printable, at most kMaxPlayerNameBytes
  friend bool operator==(const Hello&, const Hello&) = default;
};

enum class RefusalReason : std::uint8_t {
  VersionMismatch = 0,
  Full = 1,  // the host already has its guest
  Other = 2,
};

// Why the other side will not play; it disconnects after sending it.
struct Refusal {
  static constexpr MessageType kType = MessageType::Refusal;
  RefusalReason reason = RefusalReason::Other;
  std::string text;  // printable, at most kMaxRefusalTextBytes, shown to the player
  friend bool operator==(const Refusal&, const Refusal&) = default;
};

// What the host chose on its settings screen for both machines' match.
struct MatchChoices {
  static constexpr MessageType kType = MessageType::MatchChoices;
  std::int16_t ballSpeed = kSlowestBallSpeed;  // kSlowestBallSpeed..kFastestBallSpeed
  std::uint8_t ball = 0;                       // below kBallChoices
  SteeringDevice hostDevice = SteeringDevice::Keyboard;
  SteeringDevice guestDevice = SteeringDevice::Keyboard;
  friend bool operator==(const MatchChoices&, const MatchChoices&) = default;
};

struct Start {
  static constexpr MessageType kType = MessageType::Start;
  std::uint32_t startPass = 0;
  friend bool operator==(const Start&, const Start&) = default;
};

struct Cancel {
  static constexpr MessageType kType = MessageType::Cancel;
  friend bool operator==(const Cancel&, const Cancel&) = default;
};

enum class MatchOutcome : std::uint8_t {
  Win = 0,     // the rally ended as the rules' PassEnd::Win for that pass
  Loss = 1,    // ... as PassEnd::Loss
  Escape = 2,  // a player left the match
  Desync = 3,  // the two machines' checksums of one confirmed pass differed
};

struct End {
  static constexpr MessageType kType = MessageType::End;
  MatchOutcome outcome = MatchOutcome::Escape;
  std::uint32_t pass = 0;
  friend bool operator==(const End&, const End&) = default;
};

// How far one side may say it runs ahead of the other, in passes, either way.
inline constexpr std::int8_t kMostAdvantage = 100;

// This side's readings for the passes firstPass, firstPass + 1, ..., how many
// of the other side's passes it holds (every one below heldPasses), and how
// many passes it runs ahead of the other side (negative: behind).
struct Inputs {
  static constexpr MessageType kType = MessageType::Inputs;
  std::uint32_t firstPass = 0;
  std::uint32_t heldPasses = 0;
  std::int8_t advantage = 0;            // -kMostAdvantage..kMostAdvantage
  std::vector<PlayerReading> readings;  // at most kMaxReadingsPerInputs
  friend bool operator==(const Inputs&, const Inputs&) = default;
};

// A checksum of the last rally state both sides have confirmed.
struct Checksum {
  static constexpr MessageType kType = MessageType::Checksum;
  std::uint32_t pass = 0;
  std::uint64_t value = 0;
  friend bool operator==(const Checksum&, const Checksum&) = default;
};

// Asked of every machine on the game port to find hosts on the local network.
struct Discover {
  static constexpr MessageType kType = MessageType::Discover;
  std::uint16_t protocolVersion = kProtocolVersion;
  friend bool operator==(const Discover&, const Discover&) = default;
};

// A host's answer to Discover.
struct Announce {
  static constexpr MessageType kType = MessageType::Announce;
  std::string playerName;  // printable, at most kMaxPlayerNameBytes
  std::uint16_t port = 0;
  friend bool operator==(const Announce&, const Announce&) = default;
};

using Message = std::variant<Hello, Refusal, MatchChoices, Start, Cancel, End, Inputs, Checksum,
                             Discover, Announce>;

// The largest message the encoder can produce: an Inputs full of readings.
inline constexpr std::size_t kMaxMessageBytes =
    1 + 4 + 4 + 1 + 1 + kMaxReadingsPerInputs * (1 + 4 + 4);

// The bytes of a message, never over kMaxMessageBytes: texts and readings
// beyond their limits are cut to them. Any other value the decoder would turn
// down (a NaN, a speed out of range) is the sender's bug: it is encoded as it
// is and the other side drops it.
std::vector<std::uint8_t> Encode(const Message& message);

struct DecodeResult {
  std::optional<Message> message;  // the message, when the bytes were one
  DropReason dropped{};            // why not, otherwise
};

// The one decoder: a message only from bytes that are exactly one whole,
// valid message. Never reads past the end, never holds more than the limits.
DecodeResult Decode(std::span<const std::uint8_t> bytes);

}  // namespace rallix::net
