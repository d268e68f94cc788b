#include "platform/audio/voice_mixer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace rallix {
namespace {

using Samples = std::vector<std::int16_t>;

Samples Fill(VoiceMixer& mixer, std::size_t length) {
  Samples stream(length, 999);  // whatever the device left there
  mixer.Fill(stream);
  return stream;
}

TEST(VoiceMixer, AVoiceSoundsOnceFromItsStartAndStopsAtItsEnd) {
  VoiceMixer mixer;
  MixedVoice hit{.samples = {100, 200, 300, 400, 500}};
  mixer.Add(hit);
  EXPECT_EQ(Fill(mixer, 2), (Samples{0, 0})) << "silent until asked";
  mixer.Play(hit);
  EXPECT_EQ(Fill(mixer, 3), (Samples{100, 200, 300}));
  mixer.Play(hit);  // still playing: goes on, not from the start
  EXPECT_TRUE(mixer.Playing(hit));
  EXPECT_EQ(Fill(mixer, 3), (Samples{400, 500, 0}));
  EXPECT_FALSE(mixer.Playing(hit));
  mixer.Play(hit);
  EXPECT_EQ(Fill(mixer, 1), (Samples{100}));
}

TEST(VoiceMixer, PlayingVoicesAddUpAndClipAtTheLimits) {
  VoiceMixer mixer;
  MixedVoice loud{.samples = {30000, -30000, 1000}};
  MixedVoice other{.samples = {10000, -10000, 2000, 7}};
  mixer.Add(loud);
  mixer.Add(other);
  mixer.Play(loud);
  mixer.Play(other);
  EXPECT_EQ(Fill(mixer, 5), (Samples{32767, -32768, 3000, 7, 0}));
}

TEST(VoiceMixer, ADroppedVoiceIsNoLongerHeard) {
  VoiceMixer mixer;
  MixedVoice hit{.samples = {100, 200}};
  mixer.Add(hit);
  mixer.Play(hit);
  mixer.Drop(hit);
  EXPECT_EQ(Fill(mixer, 2), (Samples{0, 0}));
}

}  // namespace
}  // namespace rallix
