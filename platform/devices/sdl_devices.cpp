#include "platform/devices/sdl_devices.h"

#include <SDL.h>

namespace rallix {

struct SdlDeviceInput::State {
  std::array<bool, kKeyCodeCount> held{};
  // Counts presses per key, so a device can tell that a key went down and up
  // again between two of its reads.
  std::array<std::uint32_t, kKeyCodeCount> presses{};
  std::int64_t motionX = 0;
  std::int64_t motionY = 0;
  std::array<bool, 4> buttons{};
  int cursorCount = 0;
};

namespace {

class EventKeyboard final : public KeyboardDevice {
 public:
  explicit EventKeyboard(std::shared_ptr<const SdlDeviceInput::State> state)
      : state_(std::move(state)), seen_(state_->presses) {}

  void GetState(KeyboardState& out) override {
    for (int code = 0; code < kKeyCodeCount; ++code) {
      const bool tapped = state_->presses[code] != seen_[code];
      out[code] = (state_->held[code] || tapped) ? 0x80 : 0;
    }
    seen_ = state_->presses;
  }

 private:
  std::shared_ptr<const SdlDeviceInput::State> state_;
  std::array<std::uint32_t, kKeyCodeCount> seen_;
};

class EventMouse final : public MouseDevice {
 public:
  explicit EventMouse(std::shared_ptr<const SdlDeviceInput::State> state)
      : state_(std::move(state)), seenX_(state_->motionX), seenY_(state_->motionY) {}

  void GetState(MouseStateRecord& out) override {
    out.x = static_cast<std::int32_t>(state_->motionX - seenX_);
    out.y = static_cast<std::int32_t>(state_->motionY - seenY_);
    out.z = 0;
    seenX_ = state_->motionX;
    seenY_ = state_->motionY;
    for (std::size_t i = 0; i < out.buttons.size(); ++i) {
      out.buttons[i] = state_->buttons[i] ? 0x80 : 0;
    }
  }

 private:
  std::shared_ptr<const SdlDeviceInput::State> state_;
  std::int64_t seenX_;
  std::int64_t seenY_;
};

void ApplyPointerVisibility(int count) {
  SDL_ShowCursor(count >= 0 ? SDL_ENABLE : SDL_DISABLE);
}

}  // namespace

SdlDeviceInput::SdlDeviceInput() : state_(std::make_shared<State>()) {}
SdlDeviceInput::~SdlDeviceInput() = default;

std::unique_ptr<KeyboardDevice> SdlDeviceInput::CreateKeyboard() {
  return std::make_unique<EventKeyboard>(state_);
}

std::unique_ptr<MouseDevice> SdlDeviceInput::CreateMouse() {
  return std::make_unique<EventMouse>(state_);
}

std::vector<JoystickInstance> SdlDeviceInput::ListJoysticks() {
  return joysticks_.List();
}

std::unique_ptr<JoystickDevice> SdlDeviceInput::CreateJoystick(const std::string& guid) {
  return joysticks_.Open(guid);
}

int SdlDeviceInput::ShowCursor(bool show) {
  state_->cursorCount += show ? 1 : -1;
  ApplyPointerVisibility(state_->cursorCount);
  return state_->cursorCount;
}

int SdlDeviceInput::CursorCount() const {
  return state_->cursorCount;
}

void SdlDeviceInput::OnKey(std::uint8_t keyCode, bool down) {
  if (keyCode == 0) {
    return;
  }
  if (down && !state_->held[keyCode]) {
    ++state_->presses[keyCode];
  }
  state_->held[keyCode] = down;
}

void SdlDeviceInput::OnMouseMotion(int dx, int dy) {
  state_->motionX += dx;
  state_->motionY += dy;
}

void SdlDeviceInput::OnMouseButton(int button, bool down) {
  if (button >= 1 && button <= static_cast<int>(state_->buttons.size())) {
    state_->buttons[button - 1] = down;
  }
}

void SdlDeviceInput::ReleaseAllKeys() {
  state_->held.fill(false);
}

void SdlDeviceInput::SetRelativeMouse(bool on) {
  SDL_SetRelativeMouseMode(on ? SDL_TRUE : SDL_FALSE);
  if (!on) {
    ApplyPointerVisibility(state_->cursorCount);
  }
}

void SdlDeviceInput::RevealPointer() {
  SDL_SetRelativeMouseMode(SDL_FALSE);
  SDL_ShowCursor(SDL_ENABLE);
}

}  // namespace rallix
