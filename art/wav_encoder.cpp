#include "art/wav_encoder.h"

#include <string_view>

namespace rallix::art {

namespace {

constexpr std::uint16_t kPcmFormatTag = 1;
constexpr std::uint16_t kChannels = 2;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint16_t kBytesPerFrame = kChannels * kBitsPerSample / 8;
constexpr std::uint32_t kPcmFormatChunkBytes = 16;

class LittleEndianWriter {
 public:
  explicit LittleEndianWriter(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

  void Tag(std::string_view fourLetters) {
    bytes_.insert(bytes_.end(), fourLetters.begin(), fourLetters.end());
  }
  void U16(std::uint16_t value) {
    bytes_.push_back(static_cast<std::uint8_t>(value & 0xFFU));
    bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
  }
  void U32(std::uint32_t value) {
    U16(static_cast<std::uint16_t>(value & 0xFFFFU));
    U16(static_cast<std::uint16_t>(value >> 16));
  }

 private:
  std::vector<std::uint8_t>& bytes_;
};

}  // namespace

std::vector<std::uint8_t> EncodeStereoPcm16Wav(std::span<const StereoFrame> frames,
                                               std::uint32_t samplesPerSecond) {
  const auto dataBytes = static_cast<std::uint32_t>(frames.size() * kBytesPerFrame);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(kWavHeaderBytes + dataBytes);
  LittleEndianWriter out(bytes);
  out.Tag("RIFF");
  out.U32(static_cast<std::uint32_t>(kWavHeaderBytes - 8) + dataBytes);
  out.Tag("WAVE");
  out.Tag("fmt ");
  out.U32(kPcmFormatChunkBytes);
  out.U16(kPcmFormatTag);
  out.U16(kChannels);
  out.U32(samplesPerSecond);
  out.U32(samplesPerSecond * kBytesPerFrame);
  out.U16(kBytesPerFrame);
  out.U16(kBitsPerSample);
  out.Tag("data");
  out.U32(dataBytes);
  for (const StereoFrame& frame : frames) {
    out.U16(static_cast<std::uint16_t>(frame.left));
    out.U16(static_cast<std::uint16_t>(frame.right));
  }
  return bytes;
}

}  // namespace rallix::art
