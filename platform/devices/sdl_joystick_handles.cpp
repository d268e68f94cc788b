#include "platform/devices/sdl_joystick_handles.h"

#include <SDL.h>

#include "platform/detail/sdl_error.h"

namespace rallix {

JoystickSubsystem::JoystickSubsystem() {
  ready_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
  if (!ready_) {
    failure_ = SDL_GetError();
  }
}

JoystickSubsystem::~JoystickSubsystem() {
  if (ready_) {
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  }
}

SdlJoystickLease::SdlJoystickLease(int deviceIndex) {
  SDL_Joystick* joystick =
      detail::CheckSdl(SDL_JoystickOpen(deviceIndex), "DeviceInputService", "cannot open joystick");
  instanceId_ = SDL_JoystickInstanceID(joystick);
  held_ = true;
}

SdlJoystickLease::~SdlJoystickLease() {
  Release();
}

void SdlJoystickLease::Release() {
  if (!held_) {
    return;
  }
  held_ = false;
  if (SDL_Joystick* joystick = SDL_JoystickFromInstanceID(instanceId_); joystick != nullptr) {
    SDL_JoystickClose(joystick);
  }
}

}  // namespace rallix
