#pragma once
// Platform-internal: every SDL call's failure becomes a RuntimeError carrying
// SDL's own message, so the report says what the library said.

#include <SDL.h>

#include <string>

#include "core/errors.h"

namespace rallix::detail {

[[noreturn]] inline void ThrowSdlError(const std::string& source, const std::string& what) {
  throw RuntimeError(ErrorNumber::PlatformServiceFailed, source, what + ": " + SDL_GetError());
}

// The message is only put together on failure: these run in every frame,
// and a frame must not allocate.
template <typename T, typename What>
T* CheckSdl(T* result, const char* source, const What& what) {
  if (result == nullptr) {
    ThrowSdlError(source, std::string(what));
  }
  return result;
}

template <typename What>
void CheckSdl(int status, const char* source, const What& what) {
  if (status < 0) {
    ThrowSdlError(source, std::string(what));
  }
}

struct SurfaceFree {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};

struct StreamClose {
  void operator()(SDL_RWops* stream) const { SDL_RWclose(stream); }
};

}  // namespace rallix::detail
