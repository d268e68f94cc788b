#pragma once
// The sound service: one opened audio device (or none, and then silence) and
// sound buffers loaded from wave files that play once on request.

#include <filesystem>
#include <future>
#include <memory>
#include <string>

namespace rallix {

class SoundService {
 public:
  // Opens the default audio device with a small buffer, so a hit is heard the
  // moment it happens, on a thread of its own so start-up does not wait for
  // it. With no usable device the game plays on silently and says so once
  // on stderr. `program` names the game in its one message.
  explicit SoundService(const std::string& program = "rallix");
  ~SoundService();
  SoundService(const SoundService&) = delete;
  SoundService& operator=(const SoundService&) = delete;

  // Waits for the device to be open, the first time.
  bool Available() const;

 private:
  enum class Opened { None, Device, Silent };
  static Opened OpenSomeDevice(const std::string& program);
  Opened WaitUntilOpen() const;

  mutable std::future<Opened> opening_;
  mutable Opened opened_ = Opened::None;
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
  struct Chunk;
  explicit SoundBuffer(std::unique_ptr<Chunk> chunk);
  std::unique_ptr<Chunk> chunk_;
};

// Where a data file supplied with the game is found: the working directory,
// then beside the executable, then the installed data folder.
std::filesystem::path FindDataFile(const std::string& name);

}  // namespace rallix
