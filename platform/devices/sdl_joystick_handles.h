#pragma once
// The two things SDL's joystick API hands out that must be given back: a
// reference to the joystick subsystem and a reference to an open joystick.

#include <cstdint>
#include <string>

namespace rallix {

// Starts SDL's game-controller subsystem, and with it the joystick one
// (counted: every holder starts and stops its own reference). Starting it
// loads SDL's mappings of known pads, and the player's own from the file
// SDL_GAMECONTROLLERCONFIG_FILE names. Never throws: a machine without joystick support still plays
// with the keyboard, so the failure is kept for whoever needs a joystick.
class JoystickSubsystem {
 public:
  JoystickSubsystem();
  ~JoystickSubsystem();
  JoystickSubsystem(const JoystickSubsystem&) = delete;
  JoystickSubsystem& operator=(const JoystickSubsystem&) = delete;

  bool Ready() const { return ready_; }
  // SDL's message when the subsystem would not start.
  const std::string& Failure() const { return failure_; }

 private:
  bool ready_ = false;
  std::string failure_;
};

// Holds one reference to an open joystick. It keeps the joystick's instance id
// rather than SDL's pointer: SDL frees every open joystick when its subsystem
// stops (SDL_Quit at the end of a run), and a lookup by id then simply finds
// nothing where a kept pointer would dangle. Users look the joystick up with
// SDL_JoystickFromInstanceID(InstanceId()) while Held().
class SdlJoystickLease {
 public:
  // Opens the joystick at this device index, as a game controller when
  // asController (SDL reads it through its mapping then); SDL refuses:
  // RuntimeError PlatformServiceFailed with SDL's message.
  explicit SdlJoystickLease(int deviceIndex, bool asController = false);
  ~SdlJoystickLease();
  SdlJoystickLease(const SdlJoystickLease&) = delete;
  SdlJoystickLease& operator=(const SdlJoystickLease&) = delete;

  std::int32_t InstanceId() const { return instanceId_; }
  bool Held() const { return held_; }
  bool AsController() const { return asController_; }
  // Gives the reference back early; the destructor then does nothing.
  void Release();

 private:
  std::int32_t instanceId_ = -1;
  bool held_ = false;
  bool asController_ = false;
};

}  // namespace rallix
