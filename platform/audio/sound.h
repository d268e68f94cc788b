#pragma once
// The sound service: one opened audio device (or none, and then silence) and
// sound buffers loaded from wave files that play once on request.

#include <filesystem>
#include <future>
#include <memory>
#include <string>

namespace rallix {

class VoiceMixer;

// The default audio device, opened with a small buffer so a hit is heard the
// moment it happens. With no usable device the game plays on silently and
// says so once on stderr. `program` names the game in its one message.
class SoundService {
 public:
  explicit SoundService(const std::string& program = "rallix");
  ~SoundService();
  SoundService(const SoundService&) = delete;
  SoundService& operator=(const SoundService&) = delete;

  // Starts opening the device on a thread of its own (in a web page, which
  // has none, now). Finding a device can take a tenth of a second, drivers
  // tried in turn and a sound server that is not there, so the runtime asks
  // once the first screen is up rather than hold that screen back.
  void OpenBeside();
  // Where loaded sounds are mixed; null without a device. Waits for the
  // device to be open, opening it now if nobody asked yet.
  const std::shared_ptr<VoiceMixer>& Mixer() const;

 private:
  struct Device;
  static std::unique_ptr<Device> OpenSomeDevice(const std::string& program);
  void BeginOpening() const;
  const Device& WaitUntilOpen() const;

  std::string program_;
  mutable std::future<std::unique_ptr<Device>> opening_;
  mutable std::unique_ptr<Device> device_;
};

class SoundBuffer {
 public:
  // Loads a wave file. Missing: error 53; unreadable as a wave: error 5; both
  // name the file. Without an audio device the file is still checked.
  static SoundBuffer Load(SoundService& service, const std::filesystem::path& file);

  SoundBuffer(SoundBuffer&&) noexcept;
  SoundBuffer& operator=(SoundBuffer&&) noexcept;
  ~SoundBuffer();

  // Plays the sound once. A request while it is still playing is ignored, so
  // a ball resting on a paddle does not stutter the sound.
  void Play();
  bool Playing() const;

 private:
  struct Voice;
  explicit SoundBuffer(std::unique_ptr<Voice> voice);
  std::unique_ptr<Voice> voice_;
};

// Where a data file supplied with the game is found: the working directory,
// then beside the executable, then the installed data folder.
std::filesystem::path FindDataFile(const std::string& name);

}  // namespace rallix
