#include "platform/audio/sound.h"

#include <SDL.h>

#include <cstring>
#include <iostream>
#include <system_error>

#include "platform/audio/voice_mixer.h"
#include "platform/detail/sdl_error.h"

namespace rallix {
namespace {

constexpr const char* kSource = "SoundBuffer";
constexpr int kFrequency = 44100;
constexpr SDL_AudioFormat kSampleFormat = AUDIO_S16SYS;  // what VoiceMixer adds
constexpr int kChannels = 2;
constexpr int kBufferFrames = 1024;  // about 23 ms: the hit is heard with the hit
#ifdef __EMSCRIPTEN__
constexpr bool kOpenBeside = false;
#else
constexpr bool kOpenBeside = true;
#endif

// Whichever device the driver has, in the one format every sound is kept in:
// SDL converts to the hardware's own on the way out.
SDL_AudioDeviceID OpenOutput(VoiceMixer& mixer) {
  SDL_AudioSpec wanted{};
  wanted.freq = kFrequency;
  wanted.format = kSampleFormat;
  wanted.channels = kChannels;
  wanted.samples = kBufferFrames;
  wanted.callback = VoiceMixer::FillStream;
  wanted.userdata = &mixer;
  const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  if (id != 0) {
    SDL_PauseAudioDevice(id, 0);
  }
  return id;
}

// A wave file's samples in the device's format; error 5 if it is no wave
// SDL can read.
std::vector<std::int16_t> LoadSamples(const std::filesystem::path& file) {
  SDL_AudioSpec format;
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV(file.string().c_str(), &format, &data, &length) == nullptr) {
    detail::ThrowSdlError(kSource, "cannot load the sound " + file.string());
  }
  SDL_AudioCVT conversion;
  if (SDL_BuildAudioCVT(&conversion, format.format, format.channels, format.freq, kSampleFormat,
                        kChannels, kFrequency) < 0) {
    SDL_FreeWAV(data);
    detail::ThrowSdlError(kSource, "cannot load the sound " + file.string());
  }
  // Converted in place, in a buffer large enough for every step on the way.
  const std::size_t room =
      static_cast<std::size_t>(length) * static_cast<std::size_t>(conversion.len_mult);
  std::vector<std::int16_t> samples((room + 1) / sizeof(std::int16_t));
  std::memcpy(samples.data(), data, length);
  SDL_FreeWAV(data);
  conversion.buf = reinterpret_cast<Uint8*>(samples.data());
  conversion.len = static_cast<int>(length);
  if (conversion.needed != 0 && SDL_ConvertAudio(&conversion) < 0) {
    detail::ThrowSdlError(kSource, "cannot load the sound " + file.string());
  }
  const std::size_t converted =
      conversion.needed != 0 ? static_cast<std::size_t>(conversion.len_cvt) : length;
  samples.resize(converted / sizeof(std::int16_t));
  return samples;
}

}  // namespace

// An open device and the mixer feeding it, or neither.
struct SoundService::Device {
  std::shared_ptr<VoiceMixer> mixer;
  SDL_AudioDeviceID id = 0;

  ~Device() {
    if (id != 0) {
      SDL_CloseAudioDevice(id);  // the mixer is not called after this
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
  }
};

SoundService::SoundService(const std::string& program) : program_(program) {}

SoundService::~SoundService() {
  if (opening_.valid()) {
    device_ = opening_.get();
  }
}

void SoundService::OpenBeside() {
  BeginOpening();
}

void SoundService::BeginOpening() const {
  if (opening_.valid() || device_ != nullptr) {
    return;
  }
  if (!kOpenBeside) {
    device_ = OpenSomeDevice(program_);
    return;
  }
  opening_ = std::async(std::launch::async, [this] {
    std::unique_ptr<Device> device = OpenSomeDevice(program_);
    // SDL keeps a thread's error text until the thread says it is done; a
    // thread SDL did not start must say so itself.
    SDL_TLSCleanup();
    return device;
  });
}

std::unique_ptr<SoundService::Device> SoundService::OpenSomeDevice(const std::string& program) {
  auto device = std::make_unique<Device>();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
    auto mixer = std::make_shared<VoiceMixer>();
    device->id = OpenOutput(*mixer);
    if (device->id != 0) {
      device->mixer = std::move(mixer);
      return device;
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  // Sounds are still loaded, so a broken file is still reported; they are
  // only never heard.
  std::cerr << program << ": no audio device (" << SDL_GetError() << "); playing without sound\n";
  return device;
}

const SoundService::Device& SoundService::WaitUntilOpen() const {
  if (device_ == nullptr) {
    BeginOpening();
    if (opening_.valid()) {
      device_ = opening_.get();
    }
  }
  return *device_;
}

const std::shared_ptr<VoiceMixer>& SoundService::Mixer() const {
  return WaitUntilOpen().mixer;
}

struct SoundBuffer::Voice {
  // Shared: the mixer outlives the device for sounds that outlive the service.
  std::shared_ptr<VoiceMixer> mixer;
  MixedVoice voice;
  ~Voice() {
    if (mixer != nullptr) {
      mixer->Drop(voice);
    }
  }
};

SoundBuffer::SoundBuffer(std::unique_ptr<Voice> voice) : voice_(std::move(voice)) {}
SoundBuffer::SoundBuffer(SoundBuffer&&) noexcept = default;
SoundBuffer& SoundBuffer::operator=(SoundBuffer&&) noexcept = default;
SoundBuffer::~SoundBuffer() = default;

SoundBuffer SoundBuffer::Load(SoundService& service, const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    throw RuntimeError(ErrorNumber::FileNotFound, kSource, "File not found: " + file.string());
  }
  auto voice = std::make_unique<Voice>();
  voice->voice.samples = LoadSamples(file);
  voice->mixer = service.Mixer();
  if (voice->mixer != nullptr) {
    voice->mixer->Add(voice->voice);
  }
  return SoundBuffer(std::move(voice));
}

bool SoundBuffer::Playing() const {
  return voice_->mixer != nullptr && voice_->mixer->Playing(voice_->voice);
}

void SoundBuffer::Play() {
  if (voice_->mixer != nullptr) {
    voice_->mixer->Play(voice_->voice);
  }
}

std::filesystem::path FindDataFile(const std::string& name) {
  std::error_code ec;
  std::filesystem::path inWorkingDir = name;
  if (std::filesystem::exists(inWorkingDir, ec)) {
    return inWorkingDir;
  }
  if (char* base = SDL_GetBasePath(); base != nullptr) {
    std::filesystem::path beside = std::filesystem::path(base) / name;
    SDL_free(base);
    if (std::filesystem::exists(beside, ec)) {
      return beside;
    }
    // An installed program lives in <prefix>/bin; its data in <prefix>/share.
    std::filesystem::path installed =
        beside.parent_path().parent_path() / "share" / "rallix" / name;
    if (std::filesystem::exists(installed, ec)) {
      return installed;
    }
  }
  return inWorkingDir;  // not found anywhere: the load reports it by this name
}

}  // namespace rallix
