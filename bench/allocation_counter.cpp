#include "bench/allocation_counter.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
#define RALLIX_COUNT_C_ALLOCATIONS 1
#else
#define RALLIX_COUNT_C_ALLOCATIONS 0
#endif

namespace {

std::atomic<std::uint64_t> operatorNewCalls{0};
std::atomic<std::uint64_t> cAllocationCalls{0};

}  // namespace

namespace rallix::bench {

AllocationCount AllocationsSoFar() {
  return AllocationCount{operatorNewCalls.load(std::memory_order_relaxed),
                         cAllocationCalls.load(std::memory_order_relaxed)};
}

bool CountsCAllocations() {
  return RALLIX_COUNT_C_ALLOCATIONS != 0;
}

}  // namespace rallix::bench

// The standard library's array and nothrow forms of new call this one, and its
// array deletes call the plain delete, so these see every allocation made
// through new. Over-aligned new keeps the library's own version.
void* operator new(std::size_t size) {
  operatorNewCalls.fetch_add(1, std::memory_order_relaxed);
  if (void* memory = std::malloc(size == 0 ? 1 : size)) {
    return memory;
  }
  throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}

#if RALLIX_COUNT_C_ALLOCATIONS
// glibc lets a program supply its own malloc family; these count and hand
// over to glibc's allocator, which the rest of the family (aligned_alloc,
// memalign, ...) still uses, so free stays valid for all of them.
extern "C" {
void* __libc_malloc(std::size_t size) noexcept;
void* __libc_calloc(std::size_t count, std::size_t size) noexcept;
void* __libc_realloc(void* memory, std::size_t size) noexcept;
void __libc_free(void* memory) noexcept;

void* malloc(std::size_t size) noexcept {
  cAllocationCalls.fetch_add(1, std::memory_order_relaxed);
  return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) noexcept {
  cAllocationCalls.fetch_add(1, std::memory_order_relaxed);
  return __libc_calloc(count, size);
}

void* realloc(void* memory, std::size_t size) noexcept {
  cAllocationCalls.fetch_add(1, std::memory_order_relaxed);
  return __libc_realloc(memory, size);
}

void free(void* memory) noexcept {
  __libc_free(memory);
}
}
#endif
