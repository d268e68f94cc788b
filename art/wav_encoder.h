#pragma once
// Packs 16-bit stereo samples into the bytes of a canonical .wav file:
// a RIFF/WAVE container with a PCM "fmt " chunk and one "data" chunk.

#include <cstdint>
#include <span>
#include <vector>

namespace rallix::art {

struct StereoFrame {
  std::int16_t left = 0;
  std::int16_t right = 0;
};

// Size of everything before the first sample.
inline constexpr std::size_t kWavHeaderBytes = 44;

std::vector<std::uint8_t> EncodeStereoPcm16Wav(std::span<const StereoFrame> frames,
                                               std::uint32_t samplesPerSecond);

}  // namespace rallix::art
