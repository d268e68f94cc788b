#include <algorithm>

#include "net/messages.h"
#include "net/wire_bytes.h"

namespace rallix::net {
namespace {

// Texts and lists are cut to their limits, so that even a sender's bug keeps
// every length byte true to the bytes after it.
std::string_view Cut(std::string_view text, std::size_t limit) {
  return text.substr(0, std::min(text.size(), limit));
}

template <typename Enum>
std::uint8_t Byte(Enum value) {
  return static_cast<std::uint8_t>(value);
}

void Put(WireWriter& w, const Hello& m) {
  w.U16(m.protocolVersion);
  w.Text(Cut(m.gameVersion, kMaxGameVersionBytes));
  w.Text(Cut(m.playerName, kMaxPlayerNameBytes));
}

void Put(WireWriter& w, const Refusal& m) {
  w.U8(Byte(m.reason));
  w.Text(Cut(m.text, kMaxRefusalTextBytes));
}

void Put(WireWriter& w, const MatchChoices& m) {
  w.I16(m.ballSpeed);
  w.U8(m.ball);
  w.U8(Byte(m.hostDevice));
  w.U8(Byte(m.guestDevice));
}

void Put(WireWriter& w, const Start& m) {
  w.U32(m.startPass);
}

void Put(WireWriter&, const Cancel&) {}

void Put(WireWriter& w, const End& m) {
  w.U8(Byte(m.outcome));
  w.U32(m.pass);
}

void Put(WireWriter& w, const Inputs& m) {
  const std::size_t count = std::min(m.readings.size(), kMaxReadingsPerInputs);
  w.U32(m.firstPass);
  w.U32(m.heldPasses);
  w.U8(static_cast<std::uint8_t>(m.advantage));
  w.U8(static_cast<std::uint8_t>(count));
  for (std::size_t i = 0; i < count; ++i) {
    w.U8(m.readings[i].lastKey);
    w.F32(m.readings[i].mouseX);
    w.I32(m.readings[i].joyX);
  }
}

void Put(WireWriter& w, const Checksum& m) {
  w.U32(m.pass);
  w.U64(m.value);
}

void Put(WireWriter& w, const Discover& m) {
  w.U16(m.protocolVersion);
}

void Put(WireWriter& w, const Announce& m) {
  w.Text(Cut(m.playerName, kMaxPlayerNameBytes));
  w.U16(m.port);
}

}  // namespace

std::vector<std::uint8_t> Encode(const Message& message) {
  std::vector<std::uint8_t> bytes;
  WireWriter writer(bytes);
  std::visit(
      [&writer](const auto& m) {
        writer.U8(Byte(m.kType));
        Put(writer, m);
      },
      message);
  return bytes;
}

}  // namespace rallix::net
