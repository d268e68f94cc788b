#pragma once
// The one class through which both programs read their input devices: the
// keyboard (the highest key held), the mouse (motion since the last read), a
// joystick, and the pointer's visibility. A form keeps one, calls InitNormal
// with its window handle once, then reads as often as it likes.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/devices/devices.h"

namespace rallix {

// The axis-range property handed to a joystick: 0..5000 over the whole device.
struct RangeProperty {
  std::int32_t size = 0;
  std::int32_t headerSize = 0;
  std::int32_t object = 0;
  std::int32_t how = 0;
  std::int32_t minimum = 0;
  std::int32_t maximum = 0;
};

inline constexpr std::int32_t kRangePropertySize = 24;
inline constexpr std::int32_t kAxisMaximum = 5000;
inline constexpr std::int32_t kWholeDevice = 0;
// CursorStatus shows the pointer only for this exact value (true); any other
// value, 1 included, hides it.
inline constexpr std::int32_t kShowItTrue = -1;
// InitJoystick's dead zone on x and y, in ten-thousandths of half the travel.
inline constexpr std::int32_t kJoystickDeadZone = 1000;

class CreatorInputDetector {
 public:
  // Joystick button state bytes (0x80 while pressed); callers may read and
  // write them.
  std::uint8_t Button1 = 0;
  std::uint8_t Button2 = 0;
  std::uint8_t Button3 = 0;
  std::uint8_t Button4 = 0;
  std::uint8_t Button5 = 0;
  std::uint8_t Button6 = 0;
  std::uint8_t Button7 = 0;
  std::uint8_t Button8 = 0;

  // Opens the keyboard and the mouse for the form's window. May be called
  // again: the second call replaces the devices.
  void InitNormal(WindowHandle FormHwnd);
  // The highest key code that is down, or 0 when none is.
  std::uint8_t GetKBState();
  // Movement since the previous read; Buttons has bit n set while mouse
  // button n + 1 is pressed.
  void GetMouseState(float& X, float& Y, std::int32_t& Buttons);
  void CursorStatus(std::int32_t ShowIt);

  // The joysticks attached when InitNormal last ran.
  std::int32_t JoysticksCount();
  // The Index-th (1-based) of them: its identifier (for InitJoystick and the
  // settings file), its name and its device-type number as decimal text.
  // None attached: error 7676 "No Joysticks Attached", outputs untouched.
  // Index outside the list: SubscriptOutOfRange.
  void GetJoysticks(std::int32_t Index, std::string& Guid, std::string& JName, std::string& JType);
  // Opens the joystick with this identifier: dead zone 10% on x and y, every
  // axis over RangeProp's range, acquired. Replaces the joystick opened
  // before; when any step fails it raises and the earlier joystick stays.
  void InitJoystick(const std::string& Guid);
  // Reads the joystick and polls it for the next read, so a read reports the
  // state the previous call's poll (or the runtime's event pump) captured.
  // Sets X, Y, Z and Button1..Button8 (the state bytes of the buttons at
  // indexes 1..8; the first button, index 0, is not reported). When the
  // joystick cannot be read (unplugged), returns quietly and they all keep
  // their values. No joystick opened: error 767.
  void GetJoystickState(std::int32_t& X, std::int32_t& Y, std::int32_t& Z);

  const RangeProperty& RangeProp() const { return RangeProp_; }
  const MouseStateRecord& MouseState() const { return MouseState_; }
  const KeyboardState& KeyState() const { return KeyState_; }
  const JoyStateRecord& JoyState() const { return JoyState_; }

 private:
  DeviceInputService& Service(const char* operation) const;

  RangeProperty RangeProp_{};
  WindowHandle OwnerHwnd_{};
  MouseStateRecord MouseState_{};
  KeyboardState KeyState_{};
  JoyStateRecord JoyState_{};
  std::unique_ptr<MouseDevice> MouseDevice_;
  std::unique_ptr<KeyboardDevice> KbDevice_;
  std::unique_ptr<JoystickDevice> JoyDevice_;
  std::vector<JoystickInstance> JoyList_;
  DeviceInputService* DInput_ = nullptr;
};

}  // namespace rallix
