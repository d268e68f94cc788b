#pragma once
// A joystick made of nothing, for tests and tools: SDL lists and reads it like
// a plugged-in one. Its axes and buttons change the state SDL reports at its
// next joystick update (SDL_JoystickUpdate, or the runtime's event pump), not
// at once.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/devices/sdl_joystick_handles.h"

namespace rallix {

// The kinds of device SDL tells apart, in SDL's own order.
enum class VirtualJoystickKind {
  Unknown,
  Gamepad,
  Wheel,
  ArcadeStick,
  FlightStick,
  DancePad,
  Guitar,
  DrumKit,
  ArcadePad,
  Throttle,
};

class VirtualJoystick {
 public:
  // Plugs the device in (starting SDL's joystick subsystem if need be); SDL
  // refuses: RuntimeError PlatformServiceFailed with SDL's message. Devices
  // with the same name, vendor, product and kind share one SDL GUID, as two
  // pads of the same model do.
  VirtualJoystick(std::string name, int axes, int buttons, std::uint16_t vendor = 0x1209,
                  std::uint16_t product = 0x0001,
                  VirtualJoystickKind kind = VirtualJoystickKind::Gamepad);
  ~VirtualJoystick();
  VirtualJoystick(const VirtualJoystick&) = delete;
  VirtualJoystick& operator=(const VirtualJoystick&) = delete;

  // -32768 fully left or up, 32767 fully right or down. A bad axis or button,
  // or a call after Detach: RuntimeError PlatformServiceFailed.
  void SetAxis(int axis, std::int16_t value);
  void SetButton(int button, bool pressed);
  // Unplugs it; a second call does nothing.
  void Detach();

 private:
  JoystickSubsystem subsystem_;
  std::string name_;
  std::int32_t instanceId_ = -1;
  bool attached_ = false;
  std::unique_ptr<SdlJoystickLease> lease_;
};

}  // namespace rallix
