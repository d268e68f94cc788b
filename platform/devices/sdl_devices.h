#pragma once
// The device-input service on the runtime's own event stream: the runtime
// feeds it every key and mouse event it pumps, and the devices read from it.
// Joysticks are read from SDL's joystick API directly; the service starts
// SDL's joystick subsystem itself (see sdl_joystick.h for the identifiers and
// type numbers it lists).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/devices/devices.h"
#include "platform/devices/sdl_joystick.h"

namespace rallix {

class SdlDeviceInput final : public DeviceInputService {
 public:
  SdlDeviceInput();
  ~SdlDeviceInput() override;
  SdlDeviceInput(const SdlDeviceInput&) = delete;
  SdlDeviceInput& operator=(const SdlDeviceInput&) = delete;

  std::unique_ptr<KeyboardDevice> CreateKeyboard() override;
  std::unique_ptr<MouseDevice> CreateMouse() override;
  std::vector<JoystickInstance> ListJoysticks() override;
  std::unique_ptr<JoystickDevice> CreateJoystick(const std::string& guid) override;
  int ShowCursor(bool show) override;

  // Fed by the runtime's event pump.
  void OnKey(std::uint8_t keyCode, bool down);
  void OnMouseMotion(int dx, int dy);
  void OnMouseButton(int button, bool down);
  // Forgets held keys (focus lost: the key-up events go elsewhere).
  void ReleaseAllKeys();

  // Holds the pointer in place and hidden, reporting only motion, so a paddle
  // steered by the mouse never stops at the screen's edge.
  void SetRelativeMouse(bool on);
  // Shows the pointer and frees it whatever the count says (used when the
  // program reports an error); the count itself is left as it is.
  void RevealPointer();
  int CursorCount() const;

  // Shared with the devices it made, which may outlive it.
  struct State;

 private:
  std::shared_ptr<State> state_;
  SdlJoysticks joysticks_;
};

}  // namespace rallix
