#pragma once
// The match's arithmetic is 32-bit with overflow checking: a value that does
// not fit (a column or a speed from a hand-edited settings file, say) raises
// run-time error 6 like any other failure, never wraps round or leaves the
// rally running for ever.

#include <cstdint>

#include "core/error_numbers.h"
#include "core/errors.h"

namespace rallix::Checked {

[[noreturn]] inline void Overflow() {
  throw RuntimeError(ErrorNumber::Overflow, "Rally", "Overflow");
}

inline std::int32_t Add(std::int32_t a, std::int32_t b) {
  std::int32_t sum = 0;
  if (__builtin_add_overflow(a, b, &sum)) {
    Overflow();
  }
  return sum;
}

inline std::int32_t Sub(std::int32_t a, std::int32_t b) {
  std::int32_t difference = 0;
  if (__builtin_sub_overflow(a, b, &difference)) {
    Overflow();
  }
  return difference;
}

inline std::int32_t Negate(std::int32_t a) {
  return Sub(0, a);
}

}  // namespace rallix::Checked
