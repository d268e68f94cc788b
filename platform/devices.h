#pragma once
// The device-input service: keyboard, mouse and the pointer's display count,
// as the input detector expects them. The interface is small so tests can
// stand a fake in for the real devices.

#include <array>
#include <cstdint>
#include <memory>

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

class DeviceInputService {
 public:
  virtual ~DeviceInputService() = default;
  virtual std::unique_ptr<KeyboardDevice> CreateKeyboard() = 0;
  virtual std::unique_ptr<MouseDevice> CreateMouse() = 0;
  // Shows or hides the pointer by one level of a display count that starts at
  // 0; the pointer is visible while the count is 0 or more. Returns the count.
  virtual int ShowCursor(bool show) = 0;
};

// What a form hands to the input detector: the window it reads input for.
struct WindowHandle {
  DeviceInputService* devices = nullptr;
};

}  // namespace rallix
