#pragma once
// Counts the heap allocations the whole process makes, so a benchmark can tell
// whether its steady state allocates. Linking allocation_counter.cpp into an
// executable replaces the global operator new there, and on glibc also malloc,
// calloc and realloc, which is where SDL's own allocations go.

#include <cstdint>

namespace rallix::bench {

struct AllocationCount {
  std::uint64_t operatorNew = 0;  // calls of the global operator new, the array form included
  std::uint64_t cAllocations =
      0;  // malloc, calloc and realloc calls, those behind operator new too
};

AllocationCount AllocationsSoFar();

// False where malloc cannot be replaced safely (no glibc, or a sanitizer owns
// it): cAllocations then stays zero.
bool CountsCAllocations();

}  // namespace rallix::bench
