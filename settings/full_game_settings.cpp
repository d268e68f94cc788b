#include "settings/full_game_settings.h"

#include <limits>
#include <string_view>

#include "core/error_numbers.h"
#include "core/errors.h"
#include "platform/files/sequential_file.h"
#include "settings/device_names.h"

namespace rallix {
namespace {

constexpr const char* kWriteSinglePlayer = "WriteSinglePlayerSettings";
constexpr const char* kReadSinglePlayer = "ReadSinglePlayerSettings";
constexpr const char* kWriteTwoPlayer = "WriteTwoPlayerSettings";
constexpr const char* kReadTwoPlayer = "ReadTwoPlayerSettings";

// Reads a settings file's lines in order and counts them, so that a check made here names the
// line the same way the SequentialReader's own errors do.
class SettingsLines {
 public:
  SettingsLines(const std::filesystem::path& file, const char* source)
      : reader_(file), source_(source) {}

  bool Boolean() {
    const bool value = reader_.ReadBoolean();
    ++line_;
    return value;
  }

  std::string String() {
    std::string value = reader_.ReadString();
    ++line_;
    return value;
  }

  // The screens write 16-bit values, so a number that does not fit one can only come from a
  // damaged or hand-edited file: Overflow, rather than a silently wrapped speed or column.
  std::int16_t Integer16(std::string_view name) {
    const std::int32_t value = reader_.ReadInteger();
    ++line_;
    constexpr std::int32_t kLowest = std::numeric_limits<std::int16_t>::min();
    constexpr std::int32_t kHighest = std::numeric_limits<std::int16_t>::max();
    if (value < kLowest || value > kHighest) {
      throw RuntimeError(ErrorNumber::Overflow, source_,
                         reader_.Path().string() + ", line " + std::to_string(line_) +
                             ": expected " + std::string(name) + " from " +
                             std::to_string(kLowest) + " to " + std::to_string(kHighest) +
                             ", found " + QuoteForMessage(FormatIntegerLine(value)));
    }
    return static_cast<std::int16_t>(value);
  }

 private:
  SequentialReader reader_;
  const char* source_;
  int line_ = 0;
};

// A writer refuses values its reader could not read back as they were given. The number is the
// one SequentialWriter raises for a string it could not read back: the value does not fit the
// file.
[[noreturn]] void Refuse(const char* source, const std::filesystem::path& file,
                         const std::string& problem) {
  throw RuntimeError(ErrorNumber::TypeMismatch, source,
                     file.string() + ": " + problem + "; nothing was written");
}

// SequentialWriter refuses these too, but without naming the value; checking first lets the
// message say which one.
void RequireOneLine(const char* source, const std::filesystem::path& file, std::string_view name,
                    std::string_view text) {
  if (text.find_first_of("\"\r\n") != std::string_view::npos) {
    Refuse(source, file,
           std::string(name) + " " + QuoteForMessage(text) +
               " holds a double quote, CR or LF and could not be read back as one value");
  }
}

// The identifier line is there exactly when the device is a joystick, so an identifier for
// "Keyboard" or "Mouse" would be lost, and an empty one for a joystick would leave the match
// without its device.
void RequireIdentifierFitsDevice(const std::filesystem::path& file, const std::string& player,
                                 const std::string& device, const std::string& guid) {
  const std::string deviceName = player + "Device";
  const std::string guidName = player + "JoystickGuid";
  RequireOneLine(kWriteTwoPlayer, file, deviceName, device);
  if (NamesJoystick(device)) {
    if (guid.empty()) {
      Refuse(kWriteTwoPlayer, file,
             deviceName + " " + QuoteForMessage(device) + " names a joystick but " + guidName +
                 " is empty");
    }
    RequireOneLine(kWriteTwoPlayer, file, guidName, guid);
  } else if (!guid.empty()) {
    Refuse(kWriteTwoPlayer, file,
           guidName + " " + QuoteForMessage(guid) + " is given but " + deviceName + " " +
               QuoteForMessage(device) + " is not a joystick");
  }
}

}  // namespace

void WriteSinglePlayerSettings(const SinglePlayerSettings& s, const std::filesystem::path& file) {
  if (s.UseJoystick) {
    if (s.JoystickGuid.empty()) {
      Refuse(kWriteSinglePlayer, file, "UseJoystick is true but JoystickGuid is empty");
    }
    RequireOneLine(kWriteSinglePlayer, file, "JoystickGuid", s.JoystickGuid);
  }
  SequentialWriter out(file);
  out.WriteBoolean(s.UseJoystick);
  out.WriteBoolean(s.DisableKeyboard);
  out.WriteInteger(s.AISpeed);
  out.WriteInteger(s.BallSpeed);
  out.WriteInteger(s.BallStartX);
  if (s.UseJoystick) {
    out.WriteString(s.JoystickGuid);
  }
  out.Close();
}

SinglePlayerSettings ReadSinglePlayerSettings(const std::filesystem::path& file) {
  SettingsLines in(file, kReadSinglePlayer);
  SinglePlayerSettings s;
  s.UseJoystick = in.Boolean();
  s.DisableKeyboard = in.Boolean();
  s.AISpeed = in.Integer16("AISpeed");
  s.BallSpeed = in.Integer16("BallSpeed");
  s.BallStartX = in.Integer16("BallStartX");
  if (s.UseJoystick) {
    s.JoystickGuid = in.String();
  }
  return s;
}

void WriteTwoPlayerSettings(const TwoPlayerSettings& s, const std::filesystem::path& file) {
  RequireIdentifierFitsDevice(file, "Player1", s.Player1Device, s.Player1JoystickGuid);
  RequireIdentifierFitsDevice(file, "Player2", s.Player2Device, s.Player2JoystickGuid);
  SequentialWriter out(file);
  out.WriteInteger(s.BallSpeed);
  out.WriteString(s.Player1Device);
  out.WriteString(s.Player2Device);
  if (NamesJoystick(s.Player1Device)) {
    out.WriteString(s.Player1JoystickGuid);
  }
  if (NamesJoystick(s.Player2Device)) {
    out.WriteString(s.Player2JoystickGuid);
  }
  out.Close();
}

TwoPlayerSettings ReadTwoPlayerSettings(const std::filesystem::path& file) {
  SettingsLines in(file, kReadTwoPlayer);
  TwoPlayerSettings s;
  s.BallSpeed = in.Integer16("BallSpeed");
  s.Player1Device = in.String();
  s.Player2Device = in.String();
  if (NamesJoystick(s.Player1Device)) {
    s.Player1JoystickGuid = in.String();
  }
  if (NamesJoystick(s.Player2Device)) {
    s.Player2JoystickGuid = in.String();
  }
  return s;
}

}  // namespace rallix
