#include "net/messages.h"

#include <gtest/gtest.h>

#include <bit>
#include <limits>

#include "art/catalogue.h"

namespace rallix::net {
namespace {

using Bytes = std::vector<std::uint8_t>;

Inputs FullInputs() {
  Inputs inputs{0xFFFFFFFFu - (kMaxReadingsPerInputs - 1), 41, kMostAdvantage, {}};
  for (std::size_t i = 0; i < kMaxReadingsPerInputs; ++i) {
    inputs.readings.push_back({static_cast<std::uint8_t>(i * 4), -0.0f - float(i) / 3,
                               static_cast<std::int32_t>(i * 78)});
  }
  return inputs;
}

TEST(MessagesTest, EveryMessageComesBackAsItWentBitForBit) {
  const std::string longestName(kMaxPlayerNameBytes, '~');
  const Message messages[] = {
      Hello{kProtocolVersion, "0.4", longestName},
      Hello{0xBEEF, "", ""},  // another version still reads, to be refused politely
      Refusal{RefusalReason::Full, "This game already has its second player."},
      MatchChoices{kFastestBallSpeed, kBallChoices - 1, SteeringDevice::Joystick,
                   SteeringDevice::Mouse},
      Start{123456789},
      Cancel{},
      End{MatchOutcome::Desync, 0xFFFFFFFFu},
      FullInputs(),
      Inputs{7, 6, -kMostAdvantage, {}},
      Checksum{3600, 0x0123456789ABCDEFull},
      Discover{},
      Announce{"host-1", 65535},
  };
  for (const Message& message : messages) {
    SCOPED_TRACE(message.index());
    const Bytes bytes = Encode(message);
    const DecodeResult decoded = Decode(bytes);
    ASSERT_TRUE(decoded.message) << "dropped as " << int(decoded.dropped);
    EXPECT_EQ(*decoded.message, message);
    EXPECT_EQ(Encode(*decoded.message), bytes);  // -0.0 == 0.0, but the bits must not change
  }
  EXPECT_EQ(Encode(FullInputs()).size(), kMaxMessageBytes);
}

TEST(MessagesTest, EncodeCutsTextsAndListsToTheirLimits) {
  Inputs tooMany = FullInputs();
  tooMany.firstPass = 0;
  tooMany.readings.resize(kMaxReadingsPerInputs + 5);
  const DecodeResult inputs = Decode(Encode(tooMany));
  ASSERT_TRUE(inputs.message);
  EXPECT_EQ(std::get<Inputs>(*inputs.message).readings.size(), kMaxReadingsPerInputs);

  const DecodeResult hello = Decode(Encode(Hello{1, std::string(100, 'v'), "x"}));
  ASSERT_TRUE(hello.message);
  EXPECT_EQ(std::get<Hello>(*hello.message).gameVersion.size(), kMaxGameVersionBytes);
}

Bytes InputsWith(std::uint32_t firstPass, std::uint32_t mouseBits, std::int32_t joyX) {
  return Encode(Inputs{firstPass, 0, 0, {{0, std::bit_cast<float>(mouseBits), joyX}, {}}});
}

Bytes InputsWithAdvantage(int advantage) {
  Bytes bytes = Encode(Inputs{});
  bytes[1 + 4 + 4] = static_cast<std::uint8_t>(advantage);
  return bytes;
}

TEST(MessagesTest, DecoderDropsWhatTheGameNeverSends) {
  constexpr std::uint32_t kNaN = 0x7FC00000, kInfinity = 0x7F800000;
  Bytes settings = Encode(MatchChoices{});
  auto settingsWith = [&](std::size_t at, std::uint8_t value) {
    Bytes b = settings;
    b[at] = value;
    return b;
  };
  Bytes trailing = Encode(Cancel{});
  trailing.push_back(0);
  Bytes nameTooLong = Encode(Announce{"x", 1});
  nameTooLong[1] = kMaxPlayerNameBytes + 1;
  nameTooLong.resize(nameTooLong.size() + kMaxPlayerNameBytes, 'x');
  Bytes tooManyReadings = Encode(Inputs{});
  tooManyReadings.back() = kMaxReadingsPerInputs + 1;
  Bytes checksumCut = Encode(Checksum{});
  checksumCut.pop_back();
  Bytes missingReading = InputsWith(0, 0, 0);
  missingReading.resize(missingReading.size() - 9);

  const struct {
    const char* what;
    Bytes bytes;
    DropReason reason;
  } cases[] = {
      {"nothing", {}, DropReason::Empty},
      {"type 0", {0}, DropReason::UnknownType},
      {"type past the last", {11, 0, 0}, DropReason::UnknownType},
      {"start cut short", {4, 1, 2, 3}, DropReason::Truncated},
      {"checksum cut short", checksumCut, DropReason::Truncated},
      {"a reading missing", missingReading, DropReason::Truncated},
      {"text length past the end", {1, 1, 0, 5, 'a'}, DropReason::Truncated},
      {"a byte after the message", trailing, DropReason::TrailingBytes},
      {"name over its limit", nameTooLong, DropReason::OverLimit},
      {"readings over their limit", tooManyReadings, DropReason::OverLimit},
      {"control byte in a name", Encode(Announce{"a\nb", 1}), DropReason::NotPrintable},
      {"byte 0x80 in a version", Encode(Hello{1, "0.4\x80", "x"}), DropReason::NotPrintable},
      {"ball speed 2", settingsWith(1, 2), DropReason::OutOfRange},
      {"ball speed 8", settingsWith(1, 8), DropReason::OutOfRange},
      {"ball speed's high byte", settingsWith(2, 1), DropReason::OutOfRange},
      {"sixth ball", settingsWith(3, kBallChoices), DropReason::OutOfRange},
      {"fourth device", settingsWith(5, 3), DropReason::OutOfRange},
      {"refusal reason 3", {2, 3, 0}, DropReason::OutOfRange},
      {"outcome 4", {6, 4, 0, 0, 0, 0}, DropReason::OutOfRange},
      {"announce of port 0", Encode(Announce{"x", 0}), DropReason::OutOfRange},
      {"joystick under 0", InputsWith(0, 0, -1), DropReason::OutOfRange},
      {"joystick over 5000", InputsWith(0, 0, kJoystickMost + 1), DropReason::OutOfRange},
      {"last pass past 2^32", InputsWith(0xFFFFFFFF, 0, 0), DropReason::OutOfRange},
      {"advantage past its most", InputsWithAdvantage(kMostAdvantage + 1), DropReason::OutOfRange},
      {"mouse NaN", InputsWith(0, kNaN, 0), DropReason::NotFinite},
      {"mouse -infinity", InputsWith(0, kInfinity | 0x80000000u, 0), DropReason::NotFinite},
  };
  for (const auto& c : cases) {
    const DecodeResult decoded = Decode(c.bytes);
    EXPECT_FALSE(decoded.message) << c.what;
    EXPECT_EQ(decoded.dropped, c.reason) << c.what;
  }
}

TEST(MessagesTest, BallChoicesAreTheBallsTheGameCarries) {
  EXPECT_EQ(std::size_t{kBallChoices}, art::Balls().size());
}

}  // namespace
}  // namespace rallix::net
