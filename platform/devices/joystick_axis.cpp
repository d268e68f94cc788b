#include "platform/devices/joystick_axis.h"

#include <cmath>
#include <cstddef>

namespace rallix {
namespace {

// The raw range has one more step below the centre than above it; counting
// the travel from -32768 to 32767 as 65535 steps keeps both ends exact.
constexpr double kRawSteps = 65535.0;

std::int32_t ValueAt(double fraction, std::int32_t minimum, std::int32_t maximum) {
  const double span = static_cast<double>(maximum) - static_cast<double>(minimum);
  return static_cast<std::int32_t>(static_cast<double>(minimum) + std::lround(fraction * span));
}

}  // namespace

std::optional<int> JoyAxisAtOffset(std::int32_t offset) {
  constexpr std::int32_t kFieldSize = sizeof(std::int32_t);
  if (offset < 0 || offset % kFieldSize != 0 || offset / kFieldSize >= kJoyAxisCount) {
    return std::nullopt;
  }
  return offset / kFieldSize;
}

std::int32_t& JoyAxisField(JoyStateRecord& state, int axis) {
  switch (axis) {
    case 0:
      return state.x;
    case 1:
      return state.y;
    case 2:
      return state.z;
    case 3:
      return state.rx;
    case 4:
      return state.ry;
    case 5:
      return state.rz;
    default:
      return state.sliders[static_cast<std::size_t>(axis - 6)];
  }
}

std::int32_t JoyAxisCentre(std::int32_t minimum, std::int32_t maximum) {
  return ValueAt(0.5, minimum, maximum);
}

std::int32_t MapJoyAxis(std::int16_t raw, std::int32_t minimum, std::int32_t maximum,
                        std::int32_t deadZone) {
  // -1 fully left, +1 fully right.
  const double centred = (2.0 * raw + 1.0) / kRawSteps;
  const double dead = static_cast<double>(deadZone) / kJoyDeadZoneWhole;
  const double distance = std::fabs(centred);
  if (dead <= 0.0) {
    return ValueAt((centred + 1.0) / 2.0, minimum, maximum);
  }
  if (distance < dead || dead >= 1.0) {
    return JoyAxisCentre(minimum, maximum);
  }
  const double beyond = std::copysign((distance - dead) / (1.0 - dead), centred);
  return ValueAt((beyond + 1.0) / 2.0, minimum, maximum);
}

}  // namespace rallix
