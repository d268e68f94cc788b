#pragma once
// A fingerprint of a rally's whole state, for two machines to tell whether
// they are still playing the same match. Every field is mixed in by value, one
// at a time, so padding bytes and the layout of the structs never count.

#include <cstdint>

#include "rules/match_rally.h"

namespace rallix {

std::uint64_t RallyChecksum(const MatchRally& rally);

}  // namespace rallix
