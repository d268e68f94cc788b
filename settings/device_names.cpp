#include "settings/device_names.h"

namespace rallix {

SteeringDevice SteeringDeviceNamed(const std::string& device) {
  if (device == kKeyboardDevice) {
    return SteeringDevice::Keyboard;
  }
  if (device == kMouseDevice) {
    return SteeringDevice::Mouse;
  }
  return SteeringDevice::Joystick;
}

const char* DeviceKindName(SteeringDevice device) {
  switch (device) {
    case SteeringDevice::Keyboard:
      return kKeyboardDevice;
    case SteeringDevice::Mouse:
      return kMouseDevice;
    case SteeringDevice::Joystick:
      break;
  }
  return kJoystickDevice;
}

}  // namespace rallix
