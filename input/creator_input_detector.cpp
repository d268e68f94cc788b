#include "input/creator_input_detector.h"

#include "platform/errors.h"

namespace rallix {
namespace {

constexpr const char* kSource = "CreatorInputDetector";

[[noreturn]] void ThrowNotInitialised(const char* operation) {
  throw RuntimeError(
      ErrorNumber::ObjectNotSet, kSource,
      std::string("Object variable not set: ") + operation + " was called before InitNormal");
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

}  // namespace rallix
