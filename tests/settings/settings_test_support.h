#pragma once
// Helpers shared by the settings-file tests: settings compared and printed field by field.

#include <tuple>

#include "settings/full_game_settings.h"

namespace rallix::testing {

inline auto Fields(const SinglePlayerSettings& s) {
  return std::tie(s.UseJoystick, s.DisableKeyboard, s.AISpeed, s.BallSpeed, s.BallStartX,
                  s.JoystickGuid);
}

inline auto Fields(const TwoPlayerSettings& s) {
  return std::tie(s.BallSpeed, s.Player1Device, s.Player2Device, s.Player1JoystickGuid,
                  s.Player2JoystickGuid);
}

}  // namespace rallix::testing
