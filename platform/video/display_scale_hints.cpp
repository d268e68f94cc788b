#include "platform/video/display_scale_hints.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <cstdlib>

namespace rallix {
namespace {

std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') {
    return std::nullopt;
  }
  return std::string(value);
}

// The display's X resources as xrdb left them, read from the connection SDL
// already holds: no second connection, no wait.
std::optional<std::string> XResources([[maybe_unused]] SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11) && !defined(__EMSCRIPTEN__)
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11) {
    if (const char* resources = XResourceManagerString(info.info.x11.display)) {
      return std::string(resources);
    }
  }
#endif
  return std::nullopt;
}

}  // namespace

double WindowPixelRatio(SDL_Window* window, SDL_Renderer* renderer) {
  int units = 0;
  int unused = 0;
  int pixels = 0;
  SDL_GetWindowSize(window, &units, &unused);
  if (units <= 0 || SDL_GetRendererOutputSize(renderer, &pixels, &unused) != 0 || pixels <= 0) {
    return 1;
  }
  return static_cast<double>(pixels) / units;
}

DisplayScaleHints ReadDisplayScaleHints(SDL_Window* window, SDL_Renderer* renderer) {
  DisplayScaleHints hints;
  hints.playerScale = Variable(kScaleOverrideVariable);
  hints.gdkScale = Variable("GDK_SCALE");
  hints.xResources = XResources(window);
  hints.windowPixelRatio = WindowPixelRatio(window, renderer);
  return hints;
}

}  // namespace rallix
