#include "platform/audio/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <array>
#include <iostream>
#include <system_error>

#include "platform/detail/sdl_error.h"

namespace rallix {
namespace {

constexpr const char* kSource = "SoundBuffer";
constexpr int kFrequency = 44100;
constexpr int kChannels = 2;
constexpr int kBufferFrames = 1024;  // about 23 ms: the hit is heard with the hit
#ifdef __EMSCRIPTEN__
// A page has no second thread: the device opens here and now, as the page
// starts.
constexpr bool kOpenBeside = false;
#else
constexpr bool kOpenBeside = true;
#endif

// The machine's own device, through whichever driver SDL finds working.
bool TryOpenDevice() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0) {
    return false;
  }
  if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kChannels, kBufferFrames) == 0) {
    return true;
  }
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  return false;
}

}  // namespace

struct SoundBuffer::Chunk {
  Mix_Chunk* chunk = nullptr;
  int channel = -1;
  ~Chunk() {
    if (chunk != nullptr) {
      if (channel >= 0 && Mix_GetChunk(channel) == chunk) {
        Mix_HaltChannel(channel);
      }
      Mix_FreeChunk(chunk);
    }
  }
};

SoundService::SoundService(const std::string& program)
    // Finding a device can take a tenth of a second (drivers tried in turn,
    // a sound server that is not there): the window opens meanwhile.
    : opening_(std::async(kOpenBeside ? std::launch::async : std::launch::deferred, [program] {
        const Opened opened = OpenSomeDevice(program);
        if (kOpenBeside) {
          // SDL keeps a thread's error text until the thread says it is done;
          // a thread SDL did not start must say so itself.
          SDL_TLSCleanup();
        }
        return opened;
      })) {
  if (!kOpenBeside) {
    WaitUntilOpen();
  }
}

SoundService::Opened SoundService::OpenSomeDevice(const std::string& program) {
  if (TryOpenDevice()) {
    return Opened::Device;
  }
  const std::string reason = SDL_GetError();
  // A machine with no sound card still has the dummy driver; a silent device
  // keeps every timing the same as with sound. Asked for by name, so no hint
  // is set while the main thread may be reading hints.
  Opened opened = Opened::None;
  if (SDL_AudioInit("dummy") == 0) {
    if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kChannels, kBufferFrames) == 0) {
      opened = Opened::Silent;
    } else {
      SDL_AudioQuit();
    }
  }
  std::cerr << program << ": no audio device (" << reason << "); playing without sound\n";
  return opened;
}

SoundService::Opened SoundService::WaitUntilOpen() const {
  if (opening_.valid()) {
    opened_ = opening_.get();
  }
  return opened_;
}

bool SoundService::Available() const {
  return WaitUntilOpen() != Opened::None;
}

SoundService::~SoundService() {
  const Opened opened = WaitUntilOpen();
  if (opened == Opened::None) {
    return;
  }
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  if (opened == Opened::Device) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  } else {
    SDL_AudioQuit();
  }
}

SoundBuffer::SoundBuffer(std::unique_ptr<Chunk> chunk) : chunk_(std::move(chunk)) {}
SoundBuffer::SoundBuffer(SoundBuffer&&) noexcept = default;
SoundBuffer& SoundBuffer::operator=(SoundBuffer&&) noexcept = default;
SoundBuffer::~SoundBuffer() = default;

SoundBuffer SoundBuffer::Load(SoundService& service, const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    throw RuntimeError(ErrorNumber::FileNotFound, kSource, "File not found: " + file.string());
  }
  auto chunk = std::make_unique<Chunk>();
  if (service.Available()) {
    chunk->chunk = Mix_LoadWAV(file.string().c_str());
    if (chunk->chunk == nullptr) {
      detail::ThrowSdlError(kSource, "cannot load the sound " + file.string());
    }
  } else {
    SDL_AudioSpec format;
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(file.string().c_str(), &format, &data, &length) == nullptr) {
      detail::ThrowSdlError(kSource, "cannot load the sound " + file.string());
    }
    SDL_FreeWAV(data);
  }
  return SoundBuffer(std::move(chunk));
}

bool SoundBuffer::Playing() const {
  return chunk_->channel >= 0 && Mix_Playing(chunk_->channel) != 0 &&
         Mix_GetChunk(chunk_->channel) == chunk_->chunk;
}

void SoundBuffer::Play() {
  if (chunk_->chunk == nullptr || Playing()) {
    return;
  }
  chunk_->channel = Mix_PlayChannel(-1, chunk_->chunk, 0);
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
