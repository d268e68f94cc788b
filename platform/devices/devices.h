#pragma once
// The device-input service: keyboard, mouse, joysticks and the pointer's
// display count, as the input detector expects them. The interface is small so
// tests can stand a fake in for the real devices.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/errors.h"

namespace rallix {

inline constexpr int kKeyCodeCount = 256;
using KeyboardState = std::array<std::uint8_t, kKeyCodeCount>;  // non-zero = down

struct MouseStateRecord {
  std::int32_t x = 0;  // movement since the previous read
  std::int32_t y = 0;
  std::int32_t z = 0;
  std::array<std::uint8_t, 4> buttons{};  // 0x80 = pressed
};

// A joystick's state: axes and rotations, two sliders, four point-of-view
// hats, and 32 button bytes (0x80 = pressed).
struct JoyStateRecord {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t z = 0;
  std::int32_t rx = 0;
  std::int32_t ry = 0;
  std::int32_t rz = 0;
  std::array<std::int32_t, 2> sliders{};
  std::array<std::int32_t, 4> pointOfView{};
  std::array<std::uint8_t, 32> buttons{};
};

// A joystick axis is named by the byte offset of its field in JoyStateRecord,
// as the classic device objects were.
inline constexpr std::int32_t kJoyOffsetX = 0;
inline constexpr std::int32_t kJoyOffsetY = 4;
static_assert(offsetof(JoyStateRecord, x) == kJoyOffsetX);
static_assert(offsetof(JoyStateRecord, y) == kJoyOffsetY);

// One attached joystick as the service lists it.
struct JoystickInstance {
  // Names this device among the attached ones for as long as it stays
  // attached; plain text (no double quote, CR or LF) so a settings file can
  // keep it.
  std::string guid;
  std::string name;
  // Low byte: device class (4 = joystick); second byte: subtype (1 unknown,
  // 2 traditional, 3 flight stick, 4 gamepad, 6 wheel).
  std::int32_t type = 0;
};

class KeyboardDevice {
 public:
  virtual ~KeyboardDevice() = default;
  // A key pressed and released since the previous read reads as down once.
  virtual void GetState(KeyboardState& out) = 0;
};

class MouseDevice {
 public:
  virtual ~MouseDevice() = default;
  virtual void GetState(MouseStateRecord& out) = 0;
};

// The service's answer to a guid that names no attached joystick.
[[noreturn]] inline void ThrowJoystickNotFound(const std::string& guid) {
  throw RuntimeError(ErrorNumber::PlatformServiceFailed, "DeviceInputService",
                     "No attached joystick has the identifier \"" + guid + "\"");
}

// The steps of the classic joystick device, each reporting failure by its
// result so the caller decides what a failure means.
class JoystickDevice {
 public:
  virtual ~JoystickDevice() = default;
  // Readings within deadZone ten-thousandths of half the travel from the
  // centre read as the centre. axisOffset: see kJoyOffsetX.
  virtual bool SetDeadZone(std::int32_t axisOffset, std::int32_t deadZone) = 0;
  // The values every axis reads from fully one way to fully the other.
  virtual bool SetRange(std::int32_t minimum, std::int32_t maximum) = 0;
  virtual bool Acquire() = 0;
  // The state as of the previous Poll; false (out untouched) when the device
  // is not acquired or was unplugged.
  virtual bool GetState(JoyStateRecord& out) = 0;
  virtual bool Poll() = 0;
};

class DeviceInputService {
 public:
  virtual ~DeviceInputService() = default;
  virtual std::unique_ptr<KeyboardDevice> CreateKeyboard() = 0;
  virtual std::unique_ptr<MouseDevice> CreateMouse() = 0;
  // The joysticks attached now. A service without joystick support lists
  // none, so fakes that only need a keyboard need not say so.
  virtual std::vector<JoystickInstance> ListJoysticks() { return {}; }
  // Opens the attached joystick listed with this guid; none has it:
  // ThrowJoystickNotFound.
  virtual std::unique_ptr<JoystickDevice> CreateJoystick(const std::string& guid) {
    ThrowJoystickNotFound(guid);
  }
  // Shows or hides the pointer by one level of a display count that starts at
  // 0; the pointer is visible while the count is 0 or more. Returns the count.
  virtual int ShowCursor(bool show) = 0;
};

// The index-th (1-based) entry of a joystick list; outside the list:
// RuntimeError SubscriptOutOfRange.
inline const JoystickInstance& JoystickAt(const std::vector<JoystickInstance>& list,
                                          std::int32_t index) {
  if (index < 1 || static_cast<std::size_t>(index) > list.size()) {
    throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "DeviceInputService",
                       "Subscript out of range: joystick " + std::to_string(index) + " of " +
                           std::to_string(list.size()));
  }
  return list[static_cast<std::size_t>(index) - 1];
}

// What a form hands to the input detector: the window it reads input for.
struct WindowHandle {
  DeviceInputService* devices = nullptr;
};

}  // namespace rallix
