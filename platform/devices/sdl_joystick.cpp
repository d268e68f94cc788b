#include "platform/devices/sdl_joystick.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "platform/devices/joystick_axis.h"
#include "platform/devices/sdl_pad_state.h"

namespace rallix {
namespace {

constexpr std::int32_t kJoystickClass = 4;
constexpr std::int32_t kSubtypeUnknown = 1;
constexpr std::int32_t kSubtypeTraditional = 2;
constexpr std::int32_t kSubtypeFlightStick = 3;
constexpr std::int32_t kSubtypeGamepad = 4;
constexpr std::int32_t kSubtypeWheel = 6;

constexpr std::int32_t kDefaultRangeMaximum = 5000;

std::int32_t ClassicDeviceType(SDL_JoystickType type) {
  std::int32_t subtype = kSubtypeUnknown;
  switch (type) {
    case SDL_JOYSTICK_TYPE_GAMECONTROLLER:
    case SDL_JOYSTICK_TYPE_DANCE_PAD:
    case SDL_JOYSTICK_TYPE_ARCADE_PAD:
      subtype = kSubtypeGamepad;
      break;
    case SDL_JOYSTICK_TYPE_ARCADE_STICK:
      subtype = kSubtypeTraditional;
      break;
    case SDL_JOYSTICK_TYPE_FLIGHT_STICK:
    case SDL_JOYSTICK_TYPE_THROTTLE:
      subtype = kSubtypeFlightStick;
      break;
    case SDL_JOYSTICK_TYPE_WHEEL:
      subtype = kSubtypeWheel;
      break;
    default:
      break;
  }
  return kJoystickClass | (subtype << 8);
}

std::string GuidText(int deviceIndex) {
  // 32 hex digits and the terminator.
  std::array<char, 33> text{};
  SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(deviceIndex), text.data(),
                            static_cast<int>(text.size()));
  return text.data();
}

// While its pad is away, an open device looks for it again this often (in
// reads; a match reads 60 times a second), so a pad plugged back in steers
// again within a second without a look-up on every read.
constexpr unsigned kReadsBetweenSearches = 30;

}  // namespace

// The identifiers of the attached joysticks (see the header), shared by the
// list and every device opened from it.
class JoystickRegistry {
 public:
  struct Attached {
    int deviceIndex;
    std::string identifier;
  };

  bool Ready() const { return subsystem_.Ready(); }
  const std::string& Failure() const { return subsystem_.Failure(); }

  // Forgets devices that went away, ranks the ones that came, and returns the
  // attached devices in SDL's order with their identifiers.
  std::vector<Attached> Refresh();

  std::optional<int> DeviceIndexOf(const std::string& identifier) {
    for (const Attached& device : Refresh()) {
      if (device.identifier == identifier) {
        return device.deviceIndex;
      }
    }
    return std::nullopt;
  }

 private:
  struct Ranked {
    std::int32_t instanceId;
    std::string guid;
    int rank;
  };

  JoystickSubsystem subsystem_;
  std::vector<Ranked> ranked_;
};

namespace {

class SdlJoystickDevice final : public JoystickDevice {
 public:
  SdlJoystickDevice(std::weak_ptr<JoystickRegistry> registry, std::string identifier,
                    int deviceIndex)
      : registry_(std::move(registry)), identifier_(std::move(identifier)) {
    lease_.emplace(deviceIndex, SDL_IsGameController(deviceIndex) == SDL_TRUE);
  }

  bool SetDeadZone(std::int32_t axisOffset, std::int32_t deadZone) override {
    const std::optional<int> axis = JoyAxisAtOffset(axisOffset);
    if (!axis || deadZone < 0 || deadZone > kJoyDeadZoneWhole) {
      return false;
    }
    scale_.deadZones[static_cast<std::size_t>(*axis)] = deadZone;
    return true;
  }

  bool SetRange(std::int32_t minimum, std::int32_t maximum) override {
    if (minimum >= maximum) {
      return false;
    }
    scale_.minimum = minimum;
    scale_.maximum = maximum;
    return true;
  }

  bool Acquire() override {
    if (AttachedJoystick() == nullptr && ++readsWithoutPad_ % kReadsBetweenSearches == 0) {
      FindPadAgain();
    }
    acquired_ = AttachedJoystick() != nullptr;
    return acquired_;
  }

  bool GetState(JoyStateRecord& out) override {
    SDL_Joystick* joystick = AcquiredJoystick();
    if (joystick == nullptr) {
      return false;
    }
    SDL_GameController* controller =
        lease_->AsController() ? SDL_GameControllerFromInstanceID(lease_->InstanceId()) : nullptr;
    out = controller != nullptr ? ReadGameControllerState(controller, scale_)
                                : ReadJoystickState(joystick, scale_);
    return true;
  }

  bool Poll() override {
    if (AcquiredJoystick() == nullptr) {
      return false;
    }
    SDL_JoystickUpdate();
    return AcquiredJoystick() != nullptr;
  }

 private:
  // Null once the device was unplugged (or SDL let go of it).
  SDL_Joystick* AttachedJoystick() const {
    if (!lease_ || !lease_->Held()) {
      return nullptr;
    }
    SDL_Joystick* joystick = SDL_JoystickFromInstanceID(lease_->InstanceId());
    return joystick != nullptr && SDL_JoystickGetAttached(joystick) == SDL_TRUE ? joystick
                                                                                : nullptr;
  }

  // An unplugged device loses its acquisition, as the classic one did.
  SDL_Joystick* AcquiredJoystick() {
    SDL_Joystick* joystick = acquired_ ? AttachedJoystick() : nullptr;
    acquired_ = joystick != nullptr;
    return joystick;
  }

  // The pad came back if a pad with this device's identifier is attached
  // again; once the list itself is gone (the program is ending), nothing is.
  void FindPadAgain() {
    const std::shared_ptr<JoystickRegistry> registry = registry_.lock();
    if (!registry) {
      return;
    }
    if (const std::optional<int> index = registry->DeviceIndexOf(identifier_)) {
      lease_.reset();
      try {
        lease_.emplace(*index, SDL_IsGameController(*index) == SDL_TRUE);
        readsWithoutPad_ = 0;
      } catch (const RuntimeError&) {
        // Gone again before it could be opened: the next search tries again.
      }
    }
  }

  std::weak_ptr<JoystickRegistry> registry_;
  std::string identifier_;
  std::optional<SdlJoystickLease> lease_;
  unsigned readsWithoutPad_ = 0;
  AxisScale scale_{.minimum = 0, .maximum = kDefaultRangeMaximum, .deadZones = {}};
  bool acquired_ = false;
};

}  // namespace

SdlJoysticks::SdlJoysticks() {
  // SDL watches this hint, so setting it after the subsystem started counts.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
}

const std::shared_ptr<JoystickRegistry>& SdlJoysticks::Registry() {
  if (!registry_) {
    registry_ = std::make_shared<JoystickRegistry>();
  }
  return registry_;
}

std::vector<JoystickRegistry::Attached> JoystickRegistry::Refresh() {
  if (!subsystem_.Ready()) {
    return {};
  }
  struct Seen {
    int deviceIndex;
    std::int32_t instanceId;
    std::string guid;
  };
  std::vector<Seen> seen;
  const int count = SDL_NumJoysticks();
  for (int index = 0; index < count; ++index) {
    seen.push_back({index, SDL_JoystickGetDeviceInstanceID(index), GuidText(index)});
  }

  const auto isSeen = [&seen](const Ranked& ranked) {
    return std::any_of(seen.begin(), seen.end(),
                       [&ranked](const Seen& s) { return s.instanceId == ranked.instanceId; });
  };
  std::erase_if(ranked_, [&isSeen](const Ranked& ranked) { return !isSeen(ranked); });

  std::vector<Seen> byInstance = seen;
  std::sort(byInstance.begin(), byInstance.end(),
            [](const Seen& a, const Seen& b) { return a.instanceId < b.instanceId; });
  for (const Seen& device : byInstance) {
    const auto known = [&device](const Ranked& r) { return r.instanceId == device.instanceId; };
    if (std::any_of(ranked_.begin(), ranked_.end(), known)) {
      continue;
    }
    int rank = 1;
    const auto taken = [&device, &rank](const Ranked& r) {
      return r.guid == device.guid && r.rank == rank;
    };
    while (std::any_of(ranked_.begin(), ranked_.end(), taken)) {
      ++rank;
    }
    ranked_.push_back({device.instanceId, device.guid, rank});
  }

  std::vector<Attached> attached;
  for (const Seen& device : seen) {
    const auto it = std::find_if(ranked_.begin(), ranked_.end(), [&device](const Ranked& r) {
      return r.instanceId == device.instanceId;
    });
    attached.push_back({device.deviceIndex, device.guid + "-" + std::to_string(it->rank)});
  }
  return attached;
}

std::vector<JoystickInstance> SdlJoysticks::List() {
  std::vector<JoystickInstance> list;
  for (const JoystickRegistry::Attached& device : Registry()->Refresh()) {
    const char* name = SDL_JoystickNameForIndex(device.deviceIndex);
    JoystickInstance entry;
    entry.guid = device.identifier;
    entry.name = name != nullptr && *name != '\0' ? std::string(name)
                                                  : "Joystick " + std::to_string(list.size() + 1);
    entry.type = ClassicDeviceType(SDL_JoystickGetDeviceType(device.deviceIndex));
    list.push_back(std::move(entry));
  }
  return list;
}

std::unique_ptr<JoystickDevice> SdlJoysticks::Open(const std::string& identifier) {
  if (!Registry()->Ready()) {
    throw RuntimeError(
        ErrorNumber::PlatformServiceFailed, "DeviceInputService",
        "No joystick can be opened, SDL's joystick support did not start: " + registry_->Failure());
  }
  if (const std::optional<int> index = registry_->DeviceIndexOf(identifier)) {
    return std::make_unique<SdlJoystickDevice>(registry_, identifier, *index);
  }
  ThrowJoystickNotFound(identifier);
}

}  // namespace rallix
