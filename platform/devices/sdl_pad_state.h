#pragma once
// How an open device's state becomes the classic joystick record.
//
// A pad SDL knows as a game controller (from its own database of pads, or from
// the player's mapping file) reads the same whatever its make: x and y are the
// left stick, and the D-pad pushes them to their ends; z is the two triggers
// (the left one toward the maximum, the right one toward the minimum); rx and
// ry are the right stick; the first point of view is the D-pad; the buttons are
// A, B, X, Y, the left and right shoulder, Back, Start, the left and right
// stick, Guide.
//
// Any other joystick reads as SDL numbers it: axis n is the record's n-th axis
// field, button n its n-th button, hat n its n-th point of view. One with no
// axis for x or y takes them from its first hat, so a pad with only a D-pad
// steers too.

#include <SDL.h>

#include <array>
#include <cstdint>

#include "platform/devices/devices.h"
#include "platform/devices/joystick_axis.h"

namespace rallix {

// What the device was told to read axes as (see JoystickDevice).
struct AxisScale {
  std::int32_t minimum = 0;
  std::int32_t maximum = 0;
  std::array<std::int32_t, kJoyAxisCount> deadZones{};
};

JoyStateRecord ReadJoystickState(SDL_Joystick* joystick, const AxisScale& scale);
JoyStateRecord ReadGameControllerState(SDL_GameController* controller, const AxisScale& scale);

}  // namespace rallix
