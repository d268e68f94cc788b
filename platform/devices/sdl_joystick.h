#pragma once
// The attached joysticks on SDL's joystick API: their identifiers, names and
// device types, and the devices the input detector reads.
//
// Identifier: SDL's 32-hex-digit GUID, a dash, and a rank, e.g.
// "0300c3e45e0400008e02000014010000-1". Two pads of the same model share one
// GUID, so the rank tells them apart: a device takes the lowest rank not held
// by another attached device of its GUID when it is first seen (devices
// first seen together rank in instance-id order), and keeps it while it stays
// attached. The first pad of a model is "-1" on every run, so the identifier
// a settings file keeps finds the same pad again.
//
// A pad unplugged while open keeps its last reading; plugged back in, the
// device finds it again by its identifier (it takes its old rank back if no
// other pad of its model took it meanwhile) and reads it again.
//
// Reading: a pad SDL knows as a game controller reads through SDL's mapping of
// it, anything else as SDL numbers its axes, hats and buttons; see
// sdl_pad_state.h.
//
// Type: the classic device-type number, low byte 4 (joystick class), second
// byte the subtype from SDL_JoystickGetDeviceType:
//   game controller, dance pad, arcade pad   4 gamepad       0x0404 = 1028
//   arcade stick                             2 traditional   0x0204 =  516
//   flight stick, throttle                   3 flight stick  0x0304 =  772
//   wheel                                    6 wheel         0x0604 = 1540
//   anything else (unknown, guitar, drums)   1 unknown       0x0104 =  260

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/devices/devices.h"
#include "platform/devices/sdl_joystick_handles.h"

namespace rallix {

class JoystickRegistry;

class SdlJoysticks {
 public:
  // Joysticks are read whether or not a window of ours has the input focus,
  // as the classic background device was: SDL would otherwise drop a pad's
  // moves while the window is behind another (or headless, never focused).
  SdlJoysticks();
  SdlJoysticks(const SdlJoysticks&) = delete;
  SdlJoysticks& operator=(const SdlJoysticks&) = delete;

  // In SDL's device order; a nameless device is listed as "Joystick n", n its
  // place in the list.
  std::vector<JoystickInstance> List();
  // The device reads axes mapped onto 0..5000 until told otherwise. An
  // identifier naming no attached joystick: ThrowJoystickNotFound.
  std::unique_ptr<JoystickDevice> Open(const std::string& identifier);

 private:
  // SDL's joystick support starts only when a screen first asks for a pad:
  // it scans the devices and reads the pad mappings, which start-up and a
  // player who never uses a pad need not wait for.
  const std::shared_ptr<JoystickRegistry>& Registry();

  // Shared with the devices opened from it, which may outlive it.
  std::shared_ptr<JoystickRegistry> registry_;
};

}  // namespace rallix
