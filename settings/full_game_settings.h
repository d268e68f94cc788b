#pragma once
// The full game's two settings files, written by the settings screens and read by the
// matches. One value per line, every line ended by CR LF (see platform/files/sequential_file.h).
//
// config1.cfg, single player:
//   1 UseJoystick  2 DisableKeyboard  3 AISpeed  4 BallSpeed  5 BallStartX
//   6 JoystickGuid, present exactly when UseJoystick
// mp1.cfg, two players:
//   1 BallSpeed  2 Player1Device  3 Player2Device
//   then Player1JoystickGuid when Player1Device names a joystick,
//   then Player2JoystickGuid when Player2Device names a joystick

#include <cstdint>
#include <filesystem>
#include <string>

namespace rallix {

inline constexpr const char* kSinglePlayerSettingsFile = "config1.cfg";
inline constexpr const char* kTwoPlayerSettingsFile = "mp1.cfg";

struct SinglePlayerSettings {
  bool UseJoystick = false;
  bool DisableKeyboard = false;
  std::int16_t AISpeed = 0;  // written from the screen's 16-bit values
  std::int16_t BallSpeed = 0;
  std::int16_t BallStartX = 0;
  std::string JoystickGuid;  // written only when UseJoystick
  friend bool operator==(const SinglePlayerSettings&, const SinglePlayerSettings&) = default;
};

struct TwoPlayerSettings {
  std::int16_t BallSpeed = 0;
  std::string Player1Device;  // "Keyboard", "Mouse" or a joystick's display name
  std::string Player2Device;
  std::string Player1JoystickGuid;  // written exactly when Player1Device names a joystick
  std::string Player2JoystickGuid;
  friend bool operator==(const TwoPlayerSettings&, const TwoPlayerSettings&) = default;
};

// Writers replace the file whole, or leave the earlier one intact and raise a RuntimeError
// when the values would make a file their reader cannot read back.
void WriteSinglePlayerSettings(const SinglePlayerSettings& s,
                               const std::filesystem::path& file = kSinglePlayerSettingsFile);
// Readers raise the SequentialReader's errors (file, line and what was expected), and Overflow
// for a number beyond 16 bits; they never return half-read values.
SinglePlayerSettings ReadSinglePlayerSettings(
    const std::filesystem::path& file = kSinglePlayerSettingsFile);

void WriteTwoPlayerSettings(const TwoPlayerSettings& s,
                            const std::filesystem::path& file = kTwoPlayerSettingsFile);
TwoPlayerSettings ReadTwoPlayerSettings(const std::filesystem::path& file = kTwoPlayerSettingsFile);

}  // namespace rallix
