// The ball's hit sound: a short wooden "tock", synthesised rather than recorded.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "art/artwork.h"
#include "art/wav_encoder.h"

namespace rallix::art {

namespace {

// The mixer the game opens runs at this rate; matching it avoids resampling.
constexpr std::uint32_t kSamplesPerSecond = 44000;
constexpr float kDurationSeconds = 0.11F;
constexpr float kPeakLevel = 0.7F;  // of full scale, leaving headroom when hits overlap
constexpr float kAttackSeconds = 0.0012F;
constexpr float kFadeSeconds = 0.025F;

float RaisedCosine(float t) {
  return 0.5F - 0.5F * std::cos(std::numbers::pi_v<float> * t);
}

// Tiny deterministic noise source for the stick's click.
class ClickNoise {
 public:
  float Next() {
    state_ = state_ * 1664525U + 1013904223U;
    return static_cast<float>(state_ >> 8) / static_cast<float>(1U << 23) - 1.0F;
  }

 private:
  std::uint32_t state_ = 0x1234567U;
};

std::vector<float> SynthesiseTock() {
  const auto count = static_cast<std::size_t>(kDurationSeconds * kSamplesPerSecond);
  const float dt = 1.0F / kSamplesPerSecond;
  const float twoPi = 2.0F * std::numbers::pi_v<float>;
  std::vector<float> samples(count);
  ClickNoise noise;
  float phase = 0.0F;
  float smoothedNoise = 0.0F;
  for (std::size_t i = 0; i < count; ++i) {
    const float t = static_cast<float>(i) * dt;
    // The pitch drops a little in the first moments, as a struck hollow body does.
    const float frequency = 780.0F + 170.0F * std::exp(-t / 0.012F);
    phase += twoPi * frequency * dt;
    const float body = std::sin(phase) * std::exp(-t / 0.022F);
    // An inharmonic overtone that dies quickly gives the woody edge.
    const float overtone = 0.35F * std::sin(2.76F * phase) * std::exp(-t / 0.006F);
    smoothedNoise += 0.45F * (noise.Next() - smoothedNoise);
    const float click = 0.3F * smoothedNoise * std::exp(-t / 0.0008F);
    const float attack = t < kAttackSeconds ? RaisedCosine(t / kAttackSeconds) : 1.0F;
    const float untilEnd = kDurationSeconds - t;
    const float fade =
        untilEnd < kFadeSeconds ? RaisedCosine(std::max(0.0F, untilEnd) / kFadeSeconds) : 1.0F;
    samples[i] = (body + overtone + click) * attack * fade;
  }
  samples.back() = 0.0F;
  return samples;
}

// Removes any DC offset with a Hann-shaped correction, which keeps both ends
// of the sound at exactly zero.
void RemoveOffset(std::vector<float>& samples) {
  const std::size_t last = samples.size() - 1;
  std::vector<float> window(samples.size());
  double windowSum = 0.0;
  double sampleSum = 0.0;
  for (std::size_t i = 0; i <= last; ++i) {
    const float s =
        std::sin(std::numbers::pi_v<float> * static_cast<float>(i) / static_cast<float>(last));
    window[i] = s * s;
    windowSum += window[i];
    sampleSum += samples[i];
  }
  const auto correction = static_cast<float>(sampleSum / windowSum);
  for (std::size_t i = 0; i <= last; ++i) {
    samples[i] -= correction * window[i];
  }
}

void NormalisePeak(std::vector<float>& samples) {
  float peak = 0.0F;
  for (const float s : samples) {
    peak = std::max(peak, std::abs(s));
  }
  for (float& s : samples) {
    s *= kPeakLevel / peak;
  }
}

}  // namespace

std::vector<std::uint8_t> HitSoundWav() {
  std::vector<float> samples = SynthesiseTock();
  RemoveOffset(samples);
  NormalisePeak(samples);
  std::vector<StereoFrame> frames;
  frames.reserve(samples.size());
  for (const float s : samples) {
    const auto value = static_cast<std::int16_t>(std::lround(s * 32767.0F));
    frames.push_back({value, value});
  }
  return EncodeStereoPcm16Wav(frames, kSamplesPerSecond);
}

}  // namespace rallix::art
