#include <algorithm>
#include <cmath>
#include <limits>

#include "net/messages.h"
#include "net/wire_bytes.h"

namespace rallix::net {
namespace {

// What is wrong with a message that was read whole, if anything.
using Fault = std::optional<DropReason>;

DecodeResult Dropped(DropReason reason) {
  return {std::nullopt, reason};
}

// Every check that is about the bytes rather than the values comes first: a
// short or overlong message was never a message, whatever its fields read.
template <typename T>
DecodeResult Finish(const WireReader& reader, Fault fault, T message) {
  if (reader.OverLimit()) {
    return Dropped(DropReason::OverLimit);
  }
  if (reader.Short()) {
    return Dropped(DropReason::Truncated);
  }
  if (!reader.AtEnd()) {
    return Dropped(DropReason::TrailingBytes);
  }
  if (fault) {
    return Dropped(*fault);
  }
  return {Message{std::move(message)}, {}};
}

Fault TextFault(std::initializer_list<const std::string*> texts) {
  for (const std::string* text : texts) {
    if (!std::all_of(text->begin(), text->end(), IsPrintable)) {
      return DropReason::NotPrintable;
    }
  }
  return std::nullopt;
}

// An enumeration read from its byte, when the byte names one of its values.
template <typename Enum>
std::optional<Enum> EnumFrom(std::uint8_t byte, Enum last) {
  if (byte > static_cast<std::uint8_t>(last)) {
    return std::nullopt;
  }
  return static_cast<Enum>(byte);
}

DecodeResult ReadHello(WireReader& r) {
  Hello m;
  m.protocolVersion = r.U16();
  m.gameVersion = r.Text(kMaxGameVersionBytes);
  m.playerName = r.Text(kMaxPlayerNameBytes);
  const Fault fault = TextFault({&m.gameVersion, &m.playerName});
  return Finish(r, fault, std::move(m));
}

DecodeResult ReadRefusal(WireReader& r) {
  const auto reason = EnumFrom(r.U8(), RefusalReason::Other);
  Refusal m{reason.value_or(RefusalReason::Other), r.Text(kMaxRefusalTextBytes)};
  const Fault fault = reason ? TextFault({&m.text}) : DropReason::OutOfRange;
  return Finish(r, fault, std::move(m));
}

DecodeResult ReadMatchSettings(WireReader& r) {
  MatchChoices m;
  m.ballSpeed = r.I16();
  m.ball = r.U8();
  const auto host = EnumFrom(r.U8(), SteeringDevice::Joystick);
  const auto guest = EnumFrom(r.U8(), SteeringDevice::Joystick);
  const bool inRange = m.ballSpeed >= kSlowestBallSpeed && m.ballSpeed <= kFastestBallSpeed &&
                       m.ball < kBallChoices && host && guest;
  m.hostDevice = host.value_or(SteeringDevice::Keyboard);
  m.guestDevice = guest.value_or(SteeringDevice::Keyboard);
  return Finish(r, inRange ? Fault{} : DropReason::OutOfRange, m);
}

DecodeResult ReadEnd(WireReader& r) {
  const auto outcome = EnumFrom(r.U8(), MatchOutcome::Desync);
  const End m{outcome.value_or(MatchOutcome::Escape), r.U32()};
  return Finish(r, outcome ? Fault{} : DropReason::OutOfRange, m);
}

Fault ReadingFault(const PlayerReading& reading) {
  if (!std::isfinite(reading.mouseX)) {
    return DropReason::NotFinite;
  }
  if (reading.joyX < kJoystickLeast || reading.joyX > kJoystickMost) {
    return DropReason::OutOfRange;
  }
  return std::nullopt;
}

DecodeResult ReadInputs(WireReader& r) {
  Inputs m;
  m.firstPass = r.U32();
  m.heldPasses = r.U32();
  m.advantage = static_cast<std::int8_t>(r.U8());
  const std::size_t count = r.U8();
  if (count > kMaxReadingsPerInputs) {
    return Dropped(DropReason::OverLimit);
  }
  Fault fault;
  if (m.advantage < -kMostAdvantage || m.advantage > kMostAdvantage) {
    fault = DropReason::OutOfRange;
  }
  // The last reading's pass must be a pass number too.
  if (count > 0 && m.firstPass > std::numeric_limits<std::uint32_t>::max() - (count - 1)) {
    fault = DropReason::OutOfRange;
  }
  m.readings.reserve(count);
  for (std::size_t i = 0; i < count && !r.Short(); ++i) {
    PlayerReading reading;
    reading.lastKey = r.U8();
    reading.mouseX = r.F32();
    reading.joyX = r.I32();
    if (!fault) {
      fault = ReadingFault(reading);
    }
    m.readings.push_back(reading);
  }
  return Finish(r, fault, std::move(m));
}

DecodeResult ReadAnnounce(WireReader& r) {
  Announce m;
  m.playerName = r.Text(kMaxPlayerNameBytes);
  m.port = r.U16();
  const Fault fault = m.port == 0 ? DropReason::OutOfRange : TextFault({&m.playerName});
  return Finish(r, fault, std::move(m));
}

}  // namespace

DecodeResult Decode(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) {
    return Dropped(DropReason::Empty);
  }
  WireReader r(bytes);
  switch (static_cast<MessageType>(r.U8())) {
    case MessageType::Hello:
      return ReadHello(r);
    case MessageType::Refusal:
      return ReadRefusal(r);
    case MessageType::MatchChoices:
      return ReadMatchSettings(r);
    case MessageType::Start:
      return Finish(r, std::nullopt, Start{r.U32()});
    case MessageType::Cancel:
      return Finish(r, std::nullopt, Cancel{});
    case MessageType::End:
      return ReadEnd(r);
    case MessageType::Inputs:
      return ReadInputs(r);
    case MessageType::Checksum: {
      const std::uint32_t pass = r.U32();
      return Finish(r, std::nullopt, Checksum{pass, r.U64()});
    }
    case MessageType::Discover:
      return Finish(r, std::nullopt, Discover{r.U16()});
    case MessageType::Announce:
      return ReadAnnounce(r);
  }
  return Dropped(DropReason::UnknownType);
}

}  // namespace rallix::net
