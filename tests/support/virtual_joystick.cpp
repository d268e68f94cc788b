#include "tests/support/virtual_joystick.h"

#include <SDL.h>

#include "platform/detail/sdl_error.h"

namespace rallix {
namespace {

constexpr const char* kSource = "VirtualJoystick";

static_assert(static_cast<int>(VirtualJoystickKind::Gamepad) == SDL_JOYSTICK_TYPE_GAMECONTROLLER);
static_assert(static_cast<int>(VirtualJoystickKind::Throttle) == SDL_JOYSTICK_TYPE_THROTTLE);
static_assert(kHatUp == SDL_HAT_UP && kHatRight == SDL_HAT_RIGHT && kHatDown == SDL_HAT_DOWN &&
              kHatLeft == SDL_HAT_LEFT);

// The device index SDL gives the device now: indexes shift as others come and
// go, the instance id does not.
int DeviceIndexOf(std::int32_t instanceId) {
  const int count = SDL_NumJoysticks();
  for (int index = 0; index < count; ++index) {
    if (SDL_JoystickGetDeviceInstanceID(index) == instanceId) {
      return index;
    }
  }
  return -1;
}

// The device, to be set; detached: RuntimeError naming the call.
SDL_Joystick* OpenOrThrow(bool attached, std::int32_t instanceId, const char* call) {
  SDL_Joystick* joystick = attached ? SDL_JoystickFromInstanceID(instanceId) : nullptr;
  if (joystick == nullptr) {
    throw RuntimeError(ErrorNumber::PlatformServiceFailed, kSource,
                       std::string(call) + " after Detach");
  }
  return joystick;
}

}  // namespace

VirtualJoystick::VirtualJoystick(std::string name, int axes, int buttons, std::uint16_t vendor,
                                 std::uint16_t product, VirtualJoystickKind kind, int hats)
    : name_(std::move(name)) {
  if (!subsystem_.Ready()) {
    throw RuntimeError(ErrorNumber::PlatformServiceFailed, kSource,
                       "SDL's joystick support did not start: " + subsystem_.Failure());
  }
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = static_cast<Uint16>(kind);
  desc.naxes = static_cast<Uint16>(axes);
  desc.nbuttons = static_cast<Uint16>(buttons);
  desc.nhats = static_cast<Uint16>(hats);
  desc.vendor_id = vendor;
  desc.product_id = product;
  desc.name = name_.c_str();
  const int index = SDL_JoystickAttachVirtualEx(&desc);
  detail::CheckSdl(index, kSource, "cannot attach a virtual joystick");
  instanceId_ = SDL_JoystickGetDeviceInstanceID(index);
  attached_ = true;
  try {
    // Setting a virtual device's axes and buttons needs it open.
    lease_ = std::make_unique<SdlJoystickLease>(index);
  } catch (...) {
    Detach();
    throw;
  }
}

VirtualJoystick::~VirtualJoystick() {
  Detach();
}

void VirtualJoystick::SetAxis(int axis, std::int16_t value) {
  SDL_Joystick* joystick = OpenOrThrow(attached_, instanceId_, "SetAxis");
  detail::CheckSdl(SDL_JoystickSetVirtualAxis(joystick, axis, value), kSource,
                   "cannot set axis " + std::to_string(axis));
}

void VirtualJoystick::SetButton(int button, bool pressed) {
  SDL_Joystick* joystick = OpenOrThrow(attached_, instanceId_, "SetButton");
  detail::CheckSdl(SDL_JoystickSetVirtualButton(joystick, button, pressed ? SDL_PRESSED : 0),
                   kSource, "cannot set button " + std::to_string(button));
}

void VirtualJoystick::SetHat(int hat, std::uint8_t position) {
  SDL_Joystick* joystick = OpenOrThrow(attached_, instanceId_, "SetHat");
  detail::CheckSdl(SDL_JoystickSetVirtualHat(joystick, hat, position), kSource,
                   "cannot set hat " + std::to_string(hat));
}

void VirtualJoystick::Detach() {
  if (!attached_) {
    return;
  }
  attached_ = false;
  if (const int index = DeviceIndexOf(instanceId_); index >= 0) {
    SDL_JoystickDetachVirtual(index);
  }
  lease_.reset();
}

}  // namespace rallix
