#include "platform/devices/sdl_joystick_handles.h"

#include <SDL.h>

#include "platform/detail/sdl_error.h"

namespace rallix {

JoystickSubsystem::JoystickSubsystem() {
  ready_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  if (!ready_) {
    failure_ = SDL_GetError();
  }
}

JoystickSubsystem::~JoystickSubsystem() {
  if (ready_) {
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  }
}

SdlJoystickLease::SdlJoystickLease(int deviceIndex, bool asController)
    : asController_(asController) {
  SDL_Joystick* joystick = nullptr;
  if (asController) {
    SDL_GameController* controller = detail::CheckSdl(
        SDL_GameControllerOpen(deviceIndex), "DeviceInputService", "cannot open game controller");
    joystick = SDL_GameControllerGetJoystick(controller);
  } else {
    joystick = detail::CheckSdl(SDL_JoystickOpen(deviceIndex), "DeviceInputService",
                                "cannot open joystick");
  }
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
  if (asController_) {
    if (SDL_GameController* controller = SDL_GameControllerFromInstanceID(instanceId_);
        controller != nullptr) {
      SDL_GameControllerClose(controller);
    }
  } else if (SDL_Joystick* joystick = SDL_JoystickFromInstanceID(instanceId_);
             joystick != nullptr) {
    SDL_JoystickClose(joystick);
  }
}

}  // namespace rallix
