#pragma once
// How a joystick's raw axis reading becomes the value the game reads: the
// whole travel spread over the range the caller set, with an optional dead
// zone round the centre. Plain arithmetic, so it is tested without a device.

#include <cstdint>
#include <optional>

#include "platform/devices/devices.h"

namespace rallix {

// The axis fields of JoyStateRecord in their order there: x, y, z, rx, ry,
// rz, then the two sliders.
inline constexpr int kJoyAxisCount = 8;
// Dead zones are given in ten-thousandths of half the travel.
inline constexpr std::int32_t kJoyDeadZoneWhole = 10000;

// The axis whose field sits at this byte offset of JoyStateRecord, if any.
std::optional<int> JoyAxisAtOffset(std::int32_t offset);
std::int32_t& JoyAxisField(JoyStateRecord& state, int axis);

// The value halfway through the range, the one a centred stick reads.
std::int32_t JoyAxisCentre(std::int32_t minimum, std::int32_t maximum);

// raw runs from -32768 (fully left or up) to 32767 (fully right or down) and
// lands exactly on minimum and maximum at those ends. With a dead zone,
// readings within it read exactly the centre and readings beyond it are
// spread from the centre to the ends, so the value never jumps at its edge.
std::int32_t MapJoyAxis(std::int16_t raw, std::int32_t minimum, std::int32_t maximum,
                        std::int32_t deadZone);

}  // namespace rallix
