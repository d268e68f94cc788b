// libFuzzer target: any bytes at all as config1.cfg, as mp1.cfg and as the first edition's
// config.dat. A reader may turn a file down only with a RuntimeError of the numbers a bad file
// earns (type mismatch, overflow, input past end); any other exception, a crash, a sanitizer
// report or a hang is a finding. Whatever a reader accepts, its writer must either refuse or
// write a file that reads back to the same values, and the rally those settings start is
// played for a few hundred passes on input drawn from the same bytes: every sum in the rules
// is checked, so the only way out besides the rally's end is run-time error 6.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>

#include "core/error_numbers.h"
#include "core/errors.h"
#include "core/key_codes.h"
#include "platform/files/sequential_file.h"
#include "rules/match_rally.h"
#include "settings/first_edition_settings.h"
#include "settings/full_game_settings.h"
#include "settings/match_settings.h"

namespace rallix {
namespace {

// Two scratch files of this process's own in the temporary folder (TMPDIR), removed at exit;
// several fuzzing processes may run side by side.
class ScratchFiles {
 public:
  ScratchFiles() {
    const std::string stem = "rallix-settings-fuzz-" + std::to_string(::getpid()) + "-";
    const auto folder = std::filesystem::temp_directory_path();
    input_ = folder / (stem + "input.cfg");
    rewritten_ = folder / (stem + "rewritten.cfg");
  }
  ScratchFiles(const ScratchFiles&) = delete;
  ScratchFiles& operator=(const ScratchFiles&) = delete;
  ~ScratchFiles() {
    std::error_code ignored;
    std::filesystem::remove(input_, ignored);
    std::filesystem::remove(rewritten_, ignored);
  }
  const std::filesystem::path& Input() const { return input_; }
  const std::filesystem::path& Rewritten() const { return rewritten_; }

 private:
  std::filesystem::path input_;
  std::filesystem::path rewritten_;
};

[[noreturn]] void Finding(const std::string& what) {
  std::fprintf(stderr, "settings_fuzzer finding: %s\n", what.c_str());
  std::abort();
}

void RequireBadFileError(const RuntimeError& error) {
  const int number = error.Number();
  if (number != ErrorNumber::TypeMismatch && number != ErrorNumber::Overflow &&
      number != ErrorNumber::InputPastEndOfFile) {
    Finding(std::string("unexpected error: ") + error.what());
  }
}

auto Fields(const SinglePlayerSettings& s) {
  return std::tie(s.UseJoystick, s.DisableKeyboard, s.AISpeed, s.BallSpeed, s.BallStartX,
                  s.JoystickGuid);
}

auto Fields(const TwoPlayerSettings& s) {
  return std::tie(s.BallSpeed, s.Player1Device, s.Player2Device, s.Player1JoystickGuid,
                  s.Player2JoystickGuid);
}

constexpr int kPassesPlayed = 400;
// Every key the rules know, Esc aside: it would end most rallies at once.
constexpr std::uint8_t kKeys[] = {KeyCode::None, KeyCode::LeftArrow, KeyCode::RightArrow,
                                  KeyCode::Pause, KeyCode::Enter};

// The pass input the input's bytes give, one byte a pass, over and over.
PassInput InputFrom(const std::uint8_t* data, std::size_t size, int pass) {
  const std::uint8_t byte = size == 0 ? 0 : data[static_cast<std::size_t>(pass) % size];
  PassInput input;
  input.lastKey = kKeys[byte % std::size(kKeys)];
  input.mouseX = static_cast<float>(static_cast<std::int8_t>(byte));
  input.player1JoyX = byte * 5000 / 255;
  input.player2JoyX = 5000 - input.player1JoyX;
  return input;
}

void PlayTheRally(const MatchSettings& settings, const std::uint8_t* data, std::size_t size) {
  try {
    MatchRally rally = StartRally(settings);
    for (int pass = 0; pass < kPassesPlayed; ++pass) {
      if (EndsTheRally(rally.Pass(InputFrom(data, size, pass)).end)) {
        return;
      }
    }
  } catch (const RuntimeError& error) {
    if (error.Number() != ErrorNumber::Overflow) {
      Finding(std::string("the rules raised: ") + error.what());
    }
  }
}

// Reads the input as one kind of settings file and, when that succeeds, writes the values
// back and reads them again, then plays the rally they start.
template <typename Settings, typename Reader, typename Writer>
void ReadAndRewrite(const ScratchFiles& files, const std::uint8_t* data, std::size_t size,
                    Reader read, Writer write) {
  Settings settings;
  try {
    settings = read(files.Input());
  } catch (const RuntimeError& error) {
    RequireBadFileError(error);
    return;
  }
  PlayTheRally(settings, data, size);
  try {
    write(settings, files.Rewritten());
  } catch (const RuntimeError& error) {
    // A file may hold what the writer refuses, an empty joystick identifier for one.
    if (error.Number() != ErrorNumber::TypeMismatch) {
      Finding(std::string("unexpected error rewriting: ") + error.what());
    }
    return;
  }
  Settings again;
  try {
    again = read(files.Rewritten());
  } catch (const RuntimeError& error) {
    Finding(std::string("a written file does not read back: ") + error.what());
  }
  if (Fields(again) != Fields(settings)) {
    Finding("values read back differ from the values written");
  }
}

void ReadFirstEdition(const std::filesystem::path& file, const std::uint8_t* data,
                      std::size_t size) {
  FirstEditionSettings settings;
  try {
    settings = ReadFirstEditionSettings(file);
  } catch (const RuntimeError& error) {
    RequireBadFileError(error);
    return;
  }
  PlayTheRally(settings, data, size);
}

}  // namespace
}  // namespace rallix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace rallix;
  static const ScratchFiles files;
  {
    std::ofstream out(files.Input(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out.flush()) {
      Finding("cannot write the scratch file " + files.Input().string());
    }
  }
  ReadAndRewrite<SinglePlayerSettings>(
      files, data, size, [](const auto& file) { return ReadSinglePlayerSettings(file); },
      [](const auto& s, const auto& file) { WriteSinglePlayerSettings(s, file); });
  ReadAndRewrite<TwoPlayerSettings>(
      files, data, size, [](const auto& file) { return ReadTwoPlayerSettings(file); },
      [](const auto& s, const auto& file) { WriteTwoPlayerSettings(s, file); });
  ReadFirstEdition(files.Input(), data, size);
  return 0;
}
