#include "input/creator_input_detector.h"

#include <iterator>

#include "core/errors.h"

namespace rallix {
namespace {

constexpr const char* kSource = "CreatorInputDetector";
constexpr int kNoJoysticksAttached = 7676;
constexpr int kJoystickNotOpen = 767;

[[noreturn]] void ThrowNotInitialised(const char* operation) {
  throw RuntimeError(
      ErrorNumber::ObjectNotSet, kSource,
      std::string("Object variable not set: ") + operation + " was called before InitNormal");
}

// A joystick step that failed while the joystick was being opened.
void Require(bool succeeded, const char* step) {
  if (!succeeded) {
    throw RuntimeError(ErrorNumber::PlatformServiceFailed, kSource,
                       std::string("InitJoystick could not ") + step);
  }
}

}  // namespace

DeviceInputService& CreatorInputDetector::Service(const char* operation) const {
  if (DInput_ == nullptr) {
    ThrowNotInitialised(operation);
  }
  return *DInput_;
}

void CreatorInputDetector::InitNormal(WindowHandle FormHwnd) {
  OwnerHwnd_ = FormHwnd;
  if (FormHwnd.devices == nullptr) {
    throw RuntimeError(ErrorNumber::ObjectNotSet, kSource,
                       "InitNormal was given a window with no input devices");
  }
  DInput_ = FormHwnd.devices;
  KbDevice_ = DInput_->CreateKeyboard();
  MouseDevice_ = DInput_->CreateMouse();
  RangeProp_ = RangeProperty{kRangePropertySize, 0, 0, kWholeDevice, 0, kAxisMaximum};
  JoyList_ = DInput_->ListJoysticks();
}

std::uint8_t CreatorInputDetector::GetKBState() {
  if (KbDevice_ == nullptr) {
    ThrowNotInitialised("GetKBState");
  }
  KbDevice_->GetState(KeyState_);
  for (int code = kKeyCodeCount - 1; code > 0; --code) {
    if (KeyState_[code] != 0) {
      return static_cast<std::uint8_t>(code);
    }
  }
  return 0;
}

void CreatorInputDetector::GetMouseState(float& X, float& Y, std::int32_t& Buttons) {
  if (MouseDevice_ == nullptr) {
    ThrowNotInitialised("GetMouseState");
  }
  MouseDevice_->GetState(MouseState_);
  X = static_cast<float>(MouseState_.x);
  Y = static_cast<float>(MouseState_.y);
  Buttons = 0;
  for (std::size_t i = 0; i < MouseState_.buttons.size(); ++i) {
    if ((MouseState_.buttons[i] & 0x80) != 0) {
      Buttons |= 1 << i;
    }
  }
}

void CreatorInputDetector::CursorStatus(std::int32_t ShowIt) {
  Service("CursorStatus").ShowCursor(ShowIt == kShowItTrue);
}

std::int32_t CreatorInputDetector::JoysticksCount() {
  Service("JoysticksCount");
  return static_cast<std::int32_t>(JoyList_.size());
}

void CreatorInputDetector::GetJoysticks(std::int32_t Index, std::string& Guid, std::string& JName,
                                        std::string& JType) {
  Service("GetJoysticks");
  if (JoyList_.empty()) {
    throw RuntimeError(kNoJoysticksAttached, kSource, "No Joysticks Attached");
  }
  const JoystickInstance& joystick = JoystickAt(JoyList_, Index);
  Guid = joystick.guid;
  JName = joystick.name;
  JType = std::to_string(joystick.type);
}

void CreatorInputDetector::InitJoystick(const std::string& Guid) {
  std::unique_ptr<JoystickDevice> joystick = Service("InitJoystick").CreateJoystick(Guid);
  Require(joystick->SetDeadZone(kJoyOffsetX, kJoystickDeadZone), "set the x axis's dead zone");
  Require(joystick->SetDeadZone(kJoyOffsetY, kJoystickDeadZone), "set the y axis's dead zone");
  Require(joystick->SetRange(RangeProp_.minimum, RangeProp_.maximum), "set the axes' range");
  Require(joystick->Acquire(), "acquire the joystick");
  JoyDevice_ = std::move(joystick);
}

void CreatorInputDetector::GetJoystickState(std::int32_t& X, std::int32_t& Y, std::int32_t& Z) {
  if (JoyDevice_ == nullptr) {
    throw RuntimeError(kJoystickNotOpen, kSource,
                       "Joystick not initalized or no Joystick attached");
  }
  // A joystick unplugged mid-game must not stop the game: the values read
  // last stand until it comes back.
  if (!JoyDevice_->Acquire() || !JoyDevice_->GetState(JoyState_) || !JoyDevice_->Poll()) {
    return;
  }
  X = JoyState_.x;
  Y = JoyState_.y;
  Z = JoyState_.z;
  std::uint8_t* const buttons[] = {&Button1, &Button2, &Button3, &Button4,
                                   &Button5, &Button6, &Button7, &Button8};
  for (std::size_t i = 0; i < std::size(buttons); ++i) {
    *buttons[i] = JoyState_.buttons[i + 1];
  }
}

}  // namespace rallix
