#pragma once
// The device a player's name in the two-player settings stands for:
// "Keyboard" and "Mouse" exactly (case and all: "keyboard" is not the
// keyboard); any other name, the empty one too, is a joystick's.

#include <string>

#include "rules/rally_rules.h"

namespace rallix {

inline constexpr const char* kKeyboardDevice = "Keyboard";
inline constexpr const char* kMouseDevice = "Mouse";

SteeringDevice SteeringDeviceNamed(const std::string& device);

inline bool NamesJoystick(const std::string& device) {
  return SteeringDeviceNamed(device) == SteeringDevice::Joystick;
}

}  // namespace rallix
