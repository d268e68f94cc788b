#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/error_numbers.h"
#include "platform/audio/sound.h"
#include "tests/platform/files/file_test_support.h"

namespace rallix {
namespace {

// A wave file's bytes: mono, 8-bit, at `rate`, `seconds` long of a square
// wave, nothing like the format the game mixes in.
std::string MonoEightBitWave(int rate, int seconds) {
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(rate * seconds);
  std::string bytes;
  const auto put = [&bytes](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
      bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
  };
  bytes += "RIFF";
  put(36 + dataBytes, 4);
  bytes += "WAVEfmt ";
  put(16, 4);
  put(1, 2);  // plain PCM
  put(1, 2);  // one channel
  put(static_cast<std::uint32_t>(rate), 4);
  put(static_cast<std::uint32_t>(rate), 4);  // bytes a second
  put(1, 2);                                 // bytes a frame
  put(8, 2);                                 // bits a sample
  bytes += "data";
  put(dataBytes, 4);
  for (std::uint32_t i = 0; i < dataBytes; ++i) {
    bytes.push_back(static_cast<char>((i / 50) % 2 == 0 ? 0x40 : 0xC0));
  }
  return bytes;
}

class SoundBufferLoad : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
  testing::TemporaryFolder folder;
};

TEST_F(SoundBufferLoad, AWaveInAnotherFormatIsConvertedAndPlays) {
  const auto file = folder.Path() / "slow.wav";
  testing::WriteBytes(file, MonoEightBitWave(22050, 5));
  SoundService service("test");
  SoundBuffer sound = SoundBuffer::Load(service, file);
  EXPECT_FALSE(sound.Playing());
  sound.Play();
  EXPECT_TRUE(sound.Playing()) << "five seconds long: still playing";
}

TEST_F(SoundBufferLoad, AFileThatIsNoWaveOrIsMissingIsARunTimeError) {
  struct Case {
    const char* name;
    const char* bytes;  // null: no file at all
    int number;
  };
  for (const Case& c :
       {Case{"missing.wav", nullptr, ErrorNumber::FileNotFound},
        Case{"text.wav", "not a wave at all", ErrorNumber::PlatformServiceFailed},
        Case{"cut.wav", "RIFF\x24\x00\x00\x00WAVEfmt ", ErrorNumber::PlatformServiceFailed}}) {
    const auto file = folder.Path() / c.name;
    if (c.bytes != nullptr) {
      testing::WriteBytes(file, c.bytes);
    }
    SoundService service("test");
    const auto error = testing::CaughtRuntimeError([&] { SoundBuffer::Load(service, file); });
    ASSERT_TRUE(error.has_value()) << c.name;
    EXPECT_EQ(error->Number(), c.number) << c.name;
    EXPECT_NE(error->Description().find(c.name), std::string::npos) << error->Description();
  }
}

}  // namespace
}  // namespace rallix
