#pragma once
// Platform-internal: every SDL call's failure becomes a RuntimeError carrying
// SDL's own message, so the report says what the library said.

#include <SDL.h>

#include <string>

#include "platform/errors.h"

namespace rallix::detail {

[[noreturn]] inline void ThrowSdlError(const std::string& source, const std::string& what) {
  throw RuntimeError(ErrorNumber::PlatformServiceFailed, source, what + ": " + SDL_GetError());
}

template <typename T>
T* CheckSdl(T* result, const char* source, const std::string& what) {
  if (result == nullptr) {
    ThrowSdlError(source, what);
  }
  return result;
}

inline void CheckSdl(int status, const char* source, const std::string& what) {
  if (status < 0) {
    ThrowSdlError(source, what);
  }
}

struct SurfaceFree {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};

}  // namespace rallix::detail
