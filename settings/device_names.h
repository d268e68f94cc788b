#pragma once
// The device a player's name in the two-player settings stands for:
// "Keyboard" and "Mouse" exactly (case and all: "keyboard" is not the
// keyboard); any other name, the empty one too, is a joystick's.

#include <string>

#include "rules/rally_rules.h"

namespace rallix {

inline constexpr const char* kKeyboardDevice = "Keyboard";
inline constexpr const char* kMouseDevice = "Mouse";

// The name a match between two machines gives a joystick player's device,
// whichever pad it is: each machine's pads are its own.
inline constexpr const char* kJoystickDevice = "Joystick";

SteeringDevice SteeringDeviceNamed(const std::string& device);
// The name that stands for a device: Keyboard, Mouse or Joystick.
const char* DeviceKindName(SteeringDevice device);

inline bool NamesJoystick(const std::string& device) {
  return SteeringDeviceNamed(device) == SteeringDevice::Joystick;
}

}  // namespace rallix
