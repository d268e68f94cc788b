#pragma once
// The game's own small mixer. Each loaded sound is one voice that, asked to
// play, sounds once from its start; the audio device's thread sums the
// playing voices into its stream. Voices are added, played and dropped on
// the game's thread while the device reads them on its own, so each call
// takes the one lock.

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

namespace rallix {

// Every voice and the stream are signed 16-bit samples, channels
// interleaved, at the one rate the device is opened with: the device's
// thread only adds.
struct MixedVoice {
  std::vector<std::int16_t> samples;
  std::size_t position = 0;
  bool playing = false;
};

class VoiceMixer {
 public:
  // The voice must stay where it is until it is dropped.
  void Add(MixedVoice& voice);
  void Drop(MixedVoice& voice);
  // From the start, unless it is playing already.
  void Play(MixedVoice& voice);
  bool Playing(const MixedVoice& voice) const;

  // Silence, with every playing voice added on top; a voice that reaches
  // its end stops.
  void Fill(std::span<std::int16_t> stream);
  // The device's callback; `mixer` is the VoiceMixer.
  static void FillStream(void* mixer, std::uint8_t* stream, int length);

 private:
  mutable std::mutex mutex_;
  std::vector<MixedVoice*> voices_;
};

}  // namespace rallix
