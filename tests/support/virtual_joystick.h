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

// A hat's positions, as SDL numbers them; diagonals are two ORed together.
enum VirtualHat : std::uint8_t {
  kHatCentred = 0,
  kHatUp = 1,
  kHatRight = 2,
  kHatDown = 4,
  kHatLeft = 8,
};

class VirtualJoystick {
 public:
  // Plugs the device in (starting SDL's joystick subsystem if need be); SDL
  // refuses: RuntimeError PlatformServiceFailed with SDL's message. Devices
  // with the same name, vendor, product and kind share one SDL GUID, as two
  // pads of the same model do. The default kind is a joystick SDL knows
  // nothing of, read as SDL numbers its controls: SDL makes up a game-
  // controller mapping for a virtual device of the Gamepad kind, and for a
  // real pad it has in its database.
  VirtualJoystick(std::string name, int axes, int buttons, std::uint16_t vendor = 0x1209,
                  std::uint16_t product = 0x0001,
                  VirtualJoystickKind kind = VirtualJoystickKind::Unknown, int hats = 0);
  ~VirtualJoystick();
  VirtualJoystick(const VirtualJoystick&) = delete;
  VirtualJoystick& operator=(const VirtualJoystick&) = delete;

  // -32768 fully left or up, 32767 fully right or down. A bad axis or button,
  // or a call after Detach: RuntimeError PlatformServiceFailed.
  void SetAxis(int axis, std::int16_t value);
  void SetButton(int button, bool pressed);
  void SetHat(int hat, std::uint8_t position);
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
