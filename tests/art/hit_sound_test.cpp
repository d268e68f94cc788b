// The hit sound's file layout and the shape of its waveform.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "art/artwork.h"
#include "art/wav_encoder.h"

namespace rallix::art {
namespace {

std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t U16At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::string TagAt(const std::vector<std::uint8_t>& b, std::size_t at) {
  return std::string(b.begin() + static_cast<std::ptrdiff_t>(at),
                     b.begin() + static_cast<std::ptrdiff_t>(at + 4));
}

TEST(HitSoundWav, HasTheExactPcmStereoLayout) {
  const std::vector<std::uint8_t> wav = HitSoundWav();
  ASSERT_GT(wav.size(), kWavHeaderBytes);
  EXPECT_EQ(TagAt(wav, 0), "RIFF");
  EXPECT_EQ(U32At(wav, 4), wav.size() - 8);
  EXPECT_EQ(TagAt(wav, 8), "WAVE");
  EXPECT_EQ(TagAt(wav, 12), "fmt ");
  EXPECT_EQ(U32At(wav, 16), 16U);
  EXPECT_EQ(U16At(wav, 20), 1U) << "PCM";
  EXPECT_EQ(U16At(wav, 22), 2U) << "channels";
  EXPECT_EQ(U32At(wav, 24), 44000U) << "samples per second";
  EXPECT_EQ(U32At(wav, 28), 176000U) << "bytes per second";
  EXPECT_EQ(U16At(wav, 32), 4U) << "block align";
  EXPECT_EQ(U16At(wav, 34), 16U) << "bits per sample";
  EXPECT_EQ(TagAt(wav, 36), "data");
  EXPECT_EQ(U32At(wav, 40), wav.size() - kWavHeaderBytes);
  EXPECT_EQ((wav.size() - kWavHeaderBytes) % 4, 0U);
}

std::vector<std::int16_t> LeftChannel(const std::vector<std::uint8_t>& wav) {
  std::vector<std::int16_t> left;
  for (std::size_t at = kWavHeaderBytes; at + 3 < wav.size(); at += 4) {
    left.push_back(static_cast<std::int16_t>(U16At(wav, at)));
  }
  return left;
}

double Rms(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
  double sum = 0.0;
  for (std::size_t i = from; i < to; ++i) {
    sum += static_cast<double>(s[i]) * s[i];
  }
  return std::sqrt(sum / static_cast<double>(to - from));
}

class HitSoundWaveform : public testing::Test {
 protected:
  static constexpr double kFramesPerMillisecond = 44.0;
  std::vector<std::uint8_t> wav_ = HitSoundWav();
  std::vector<std::int16_t> left_ = LeftChannel(wav_);
};

TEST_F(HitSoundWaveform, IsAShortTock) {
  const double milliseconds = static_cast<double>(left_.size()) / kFramesPerMillisecond;
  EXPECT_GE(milliseconds, 60.0);
  EXPECT_LE(milliseconds, 150.0);
}

TEST_F(HitSoundWaveform, BothChannelsCarryTheSameSound) {
  for (std::size_t at = kWavHeaderBytes; at + 3 < wav_.size(); at += 4) {
    ASSERT_EQ(U16At(wav_, at), U16At(wav_, at + 2)) << "frame " << (at - kWavHeaderBytes) / 4;
  }
}

TEST_F(HitSoundWaveform, StartsAndEndsInSilenceWithoutClipping) {
  ASSERT_GT(left_.size(), 100U);
  EXPECT_LE(std::abs(left_.front()), 64);
  EXPECT_LE(std::abs(left_.back()), 16);
  int peak = 0;
  for (const std::int16_t s : left_) {
    peak = std::max(peak, std::abs(static_cast<int>(s)));
  }
  EXPECT_LT(peak, 32000) << "too close to full scale";
  EXPECT_GT(peak, 8000) << "too quiet to hear over the music";
}

TEST_F(HitSoundWaveform, HasNoDcOffset) {
  double sum = 0.0;
  for (const std::int16_t s : left_) {
    sum += s;
  }
  EXPECT_LT(std::abs(sum / static_cast<double>(left_.size())), 30.0);
}

TEST_F(HitSoundWaveform, RingsNearItsPitchAndDecays) {
  const auto thirtyMs = static_cast<std::size_t>(30 * kFramesPerMillisecond);
  int crossings = 0;
  for (std::size_t i = 1; i < thirtyMs; ++i) {
    crossings += (left_[i - 1] < 0) != (left_[i] < 0);
  }
  const double hertz = crossings / 2.0 / 0.030;
  EXPECT_GE(hertz, 650.0);
  EXPECT_LE(hertz, 1100.0);
  const auto tenMs = static_cast<std::size_t>(10 * kFramesPerMillisecond);
  EXPECT_LT(Rms(left_, left_.size() - tenMs, left_.size()), Rms(left_, 0, tenMs) / 20.0);
}

TEST(WavEncoder, WritesSamplesLittleEndianAfterTheHeader) {
  const std::array<StereoFrame, 2> frames{StereoFrame{1, -1}, StereoFrame{0x1234, -32768}};
  const std::vector<std::uint8_t> wav = EncodeStereoPcm16Wav(frames, 8000);
  ASSERT_EQ(wav.size(), kWavHeaderBytes + 8);
  EXPECT_EQ(U32At(wav, 4), 36U + 8U);
  EXPECT_EQ(U32At(wav, 24), 8000U);
  EXPECT_EQ(U32At(wav, 28), 32000U);
  EXPECT_EQ(U32At(wav, 40), 8U);
  const std::vector<std::uint8_t> samples(wav.begin() + kWavHeaderBytes, wav.end());
  EXPECT_EQ(samples, (std::vector<std::uint8_t>{0x01, 0x00, 0xFF, 0xFF, 0x34, 0x12, 0x00, 0x80}));
}

TEST(WavEncoder, NoFramesStillMakesAValidEmptyFile) {
  const std::vector<std::uint8_t> wav = EncodeStereoPcm16Wav({}, 44000);
  ASSERT_EQ(wav.size(), kWavHeaderBytes);
  EXPECT_EQ(U32At(wav, 4), 36U);
  EXPECT_EQ(U32At(wav, 40), 0U);
}

}  // namespace
}  // namespace rallix::art
