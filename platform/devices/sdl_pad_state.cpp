#include "platform/devices/sdl_pad_state.h"

#include <algorithm>
#include <cstddef>

namespace rallix {
namespace {

// The classic record's point of view: hundredths of a degree clockwise from
// straight up, or -1 when centred.
constexpr std::int32_t kPointOfViewCentred = -1;
constexpr std::int32_t kEighthTurn = 4500;
constexpr std::uint8_t kPressed = 0x80;
constexpr int kAxisX = 0;
constexpr int kAxisY = 1;
constexpr int kAxisZ = 2;
constexpr int kAxisRx = 3;
constexpr int kAxisRy = 4;

std::int32_t PointOfView(Uint8 hat) {
  switch (hat) {
    case SDL_HAT_UP:
      return 0;
    case SDL_HAT_RIGHTUP:
      return kEighthTurn;
    case SDL_HAT_RIGHT:
      return 2 * kEighthTurn;
    case SDL_HAT_RIGHTDOWN:
      return 3 * kEighthTurn;
    case SDL_HAT_DOWN:
      return 4 * kEighthTurn;
    case SDL_HAT_LEFTDOWN:
      return 5 * kEighthTurn;
    case SDL_HAT_LEFT:
      return 6 * kEighthTurn;
    case SDL_HAT_LEFTUP:
      return 7 * kEighthTurn;
    default:
      return kPointOfViewCentred;
  }
}

std::int32_t Axis(std::int16_t raw, int axis, const AxisScale& scale) {
  return MapJoyAxis(raw, scale.minimum, scale.maximum,
                    scale.deadZones[static_cast<std::size_t>(axis)]);
}

// A direction held on a hat or D-pad: the end of the axis it points to, or
// the axis's own reading when neither way is held.
std::int32_t Pushed(bool towardMinimum, bool towardMaximum, std::int32_t reading,
                    const AxisScale& scale) {
  if (towardMinimum != towardMaximum) {
    return towardMinimum ? scale.minimum : scale.maximum;
  }
  return reading;
}

JoyStateRecord Centred(const AxisScale& scale) {
  JoyStateRecord state;
  for (int axis = 0; axis < kJoyAxisCount; ++axis) {
    JoyAxisField(state, axis) = JoyAxisCentre(scale.minimum, scale.maximum);
  }
  state.pointOfView.fill(kPointOfViewCentred);
  return state;
}

}  // namespace

JoyStateRecord ReadJoystickState(SDL_Joystick* joystick, const AxisScale& scale) {
  JoyStateRecord state = Centred(scale);
  const int axes = std::min(SDL_JoystickNumAxes(joystick), kJoyAxisCount);
  for (int axis = 0; axis < axes; ++axis) {
    JoyAxisField(state, axis) = Axis(SDL_JoystickGetAxis(joystick, axis), axis, scale);
  }
  const int hats =
      std::min(SDL_JoystickNumHats(joystick), static_cast<int>(state.pointOfView.size()));
  for (int hat = 0; hat < hats; ++hat) {
    state.pointOfView[static_cast<std::size_t>(hat)] =
        PointOfView(SDL_JoystickGetHat(joystick, hat));
  }
  if (hats > 0 && axes <= kAxisY) {
    const Uint8 hat = SDL_JoystickGetHat(joystick, 0);
    if (axes <= kAxisX) {
      state.x = Pushed((hat & SDL_HAT_LEFT) != 0, (hat & SDL_HAT_RIGHT) != 0, state.x, scale);
    }
    state.y = Pushed((hat & SDL_HAT_UP) != 0, (hat & SDL_HAT_DOWN) != 0, state.y, scale);
  }
  const int buttons =
      std::min(SDL_JoystickNumButtons(joystick), static_cast<int>(state.buttons.size()));
  for (int button = 0; button < buttons; ++button) {
    state.buttons[static_cast<std::size_t>(button)] =
        SDL_JoystickGetButton(joystick, button) != 0 ? kPressed : 0;
  }
  return state;
}

JoyStateRecord ReadGameControllerState(SDL_GameController* controller, const AxisScale& scale) {
  const auto axis = [controller](SDL_GameControllerAxis which) {
    return SDL_GameControllerGetAxis(controller, which);
  };
  const auto held = [controller](SDL_GameControllerButton which) {
    return SDL_GameControllerGetButton(controller, which) != 0;
  };
  JoyStateRecord state = Centred(scale);
  const bool left = held(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
  const bool right = held(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  const bool up = held(SDL_CONTROLLER_BUTTON_DPAD_UP);
  const bool down = held(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  state.x = Pushed(left, right, Axis(axis(SDL_CONTROLLER_AXIS_LEFTX), kAxisX, scale), scale);
  state.y = Pushed(up, down, Axis(axis(SDL_CONTROLLER_AXIS_LEFTY), kAxisY, scale), scale);
  // Triggers read 0 (released) to 32767 (fully pulled).
  const int triggers =
      axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT) - axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
  state.z = Axis(static_cast<std::int16_t>(std::clamp(triggers, -32768, 32767)), kAxisZ, scale);
  state.rx = Axis(axis(SDL_CONTROLLER_AXIS_RIGHTX), kAxisRx, scale);
  state.ry = Axis(axis(SDL_CONTROLLER_AXIS_RIGHTY), kAxisRy, scale);

  Uint8 hat = SDL_HAT_CENTERED;
  hat |= up && !down ? SDL_HAT_UP : 0;
  hat |= down && !up ? SDL_HAT_DOWN : 0;
  hat |= left && !right ? SDL_HAT_LEFT : 0;
  hat |= right && !left ? SDL_HAT_RIGHT : 0;
  state.pointOfView[0] = PointOfView(hat);

  constexpr std::array kButtonOrder{SDL_CONTROLLER_BUTTON_A,
                                    SDL_CONTROLLER_BUTTON_B,
                                    SDL_CONTROLLER_BUTTON_X,
                                    SDL_CONTROLLER_BUTTON_Y,
                                    SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
                                    SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
                                    SDL_CONTROLLER_BUTTON_BACK,
                                    SDL_CONTROLLER_BUTTON_START,
                                    SDL_CONTROLLER_BUTTON_LEFTSTICK,
                                    SDL_CONTROLLER_BUTTON_RIGHTSTICK,
                                    SDL_CONTROLLER_BUTTON_GUIDE};
  for (std::size_t at = 0; at < kButtonOrder.size(); ++at) {
    state.buttons[at] = held(kButtonOrder[at]) ? kPressed : 0;
  }
  return state;
}

}  // namespace rallix
