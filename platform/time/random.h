#pragma once
// The runtime's uniform random numbers on [0, 1). Unseeded, every run of the
// program draws the same sequence; Randomize() reseeds from the clock.

#include <cstdint>
#include <random>

namespace rallix {

class RandomGenerator {
 public:
  RandomGenerator() : engine_(kFixedSeed) {}
  explicit RandomGenerator(std::uint64_t seed) : engine_(seed) {}

  // A value r with 0 <= r < 1.
  double Rnd();
  // Seeds from the system clock, so each call starts a new sequence.
  void Randomize();
  void Seed(std::uint64_t seed) { engine_.seed(seed); }

 private:
  static constexpr std::uint64_t kFixedSeed = 0x5EED0004;
  std::mt19937_64 engine_;
};

// floor(Rnd() * n): a whole number from 0 to n - 1.
inline int RandomBelow(RandomGenerator& random, int n) {
  return static_cast<int>(random.Rnd() * n);
}

}  // namespace rallix
