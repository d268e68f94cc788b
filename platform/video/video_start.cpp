#include "platform/video/video_start.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "platform/detail/sdl_error.h"

namespace rallix {
namespace {

// SDL's drivers that open no window anyone sees ("evdev" is the dummy
// driver reading the keyboard from the console).
constexpr std::array<std::string_view, 3> kStandInDrivers{"offscreen", "dummy", "evdev"};

// SDL's own drivers in its own order of preference, less the stand-ins, as
// the comma-separated list SDL_VIDEODRIVER takes.
std::string WindowSystemDrivers() {
  std::string drivers;
  for (int index = 0; index < SDL_GetNumVideoDrivers(); ++index) {
    const std::string_view driver = SDL_GetVideoDriver(index);
    if (std::find(kStandInDrivers.begin(), kStandInDrivers.end(), driver) !=
        kStandInDrivers.end()) {
      continue;
    }
    if (!drivers.empty()) {
      drivers += ',';
    }
    drivers += driver;
  }
  return drivers;
}

}  // namespace

void StartSdlVideo() {
  const char* named = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  if (named != nullptr && *named != '\0') {
    detail::CheckSdl(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS), "Runtime", "cannot start SDL");
    return;
  }
  // Above a variable set empty, which would otherwise stand for SDL's own choice.
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, WindowSystemDrivers().c_str(), SDL_HINT_OVERRIDE);
  const int started = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
  // SDL says which of its drivers it tried, none of them there.
  const std::string reason = started < 0 ? SDL_GetError() : "";
  SDL_ResetHint(SDL_HINT_VIDEODRIVER);  // read only at the start: a later start chooses afresh
  if (started < 0) {
    throw NoDisplayError(reason);
  }
}

}  // namespace rallix
