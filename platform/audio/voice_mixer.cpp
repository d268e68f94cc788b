#include "platform/audio/voice_mixer.h"

#include <SDL.h>

#include <algorithm>

namespace rallix {

void VoiceMixer::Add(MixedVoice& voice) {
  const std::scoped_lock lock(mutex_);
  voices_.push_back(&voice);
}

void VoiceMixer::Drop(MixedVoice& voice) {
  const std::scoped_lock lock(mutex_);
  std::erase(voices_, &voice);
}

void VoiceMixer::Play(MixedVoice& voice) {
  const std::scoped_lock lock(mutex_);
  if (!voice.playing) {
    voice.position = 0;
    voice.playing = !voice.samples.empty();
  }
}

bool VoiceMixer::Playing(const MixedVoice& voice) const {
  const std::scoped_lock lock(mutex_);
  return voice.playing;
}

void VoiceMixer::Fill(std::span<std::int16_t> stream) {
  std::fill(stream.begin(), stream.end(), 0);
  const std::scoped_lock lock(mutex_);
  for (MixedVoice* voice : voices_) {
    if (!voice->playing) {
      continue;
    }
    const std::size_t length = std::min(stream.size(), voice->samples.size() - voice->position);
    // Adds with clipping, at full volume.
    SDL_MixAudioFormat(reinterpret_cast<Uint8*>(stream.data()),
                       reinterpret_cast<const Uint8*>(voice->samples.data() + voice->position),
                       AUDIO_S16SYS, static_cast<Uint32>(length * sizeof(std::int16_t)),
                       SDL_MIX_MAXVOLUME);
    voice->position += length;
    voice->playing = voice->position < voice->samples.size();
  }
}

void VoiceMixer::FillStream(void* mixer, std::uint8_t* stream, int length) {
  // SDL hands over whole frames of the format the device was opened with.
  static_cast<VoiceMixer*>(mixer)->Fill(
      std::span(reinterpret_cast<std::int16_t*>(stream),
                static_cast<std::size_t>(length) / sizeof(std::int16_t)));
}

}  // namespace rallix
