#pragma once
// The one class through which both programs read their input devices: the
// keyboard (the highest key held), the mouse (motion since the last read) and
// the pointer's visibility. A form keeps one, calls InitNormal with its window
// handle once, then reads as often as it likes.

#include <cstdint>
#include <memory>

#include "platform/devices.h"

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
  DeviceInputService* DInput_ = nullptr;
};

}  // namespace rallix
