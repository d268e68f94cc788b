#include "platform/time/random.h"

#include <chrono>

namespace rallix {

double RandomGenerator::Rnd() {
  // 53 random bits make every double in [0, 1) on the 2^-53 grid equally
  // likely; the result can never round up to 1.
  return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

void RandomGenerator::Randomize() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  engine_.seed(static_cast<std::uint64_t>(ticks) ^ (static_cast<std::uint64_t>(ticks) << 29));
}

}  // namespace rallix
