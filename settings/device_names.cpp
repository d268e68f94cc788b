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

}  // namespace rallix
