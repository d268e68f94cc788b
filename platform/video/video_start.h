#pragma once
// Starting SDL's video. SDL 2.26 falls back to an invisible "offscreen"
// driver when no window system answers and then starts as if all were well:
// the game would play on with no window and no word of why. Its stand-in
// drivers ("offscreen", "dummy") are kept for whoever asks for one by name,
// through SDL_VIDEODRIVER or the runtime's headless mode.

#include <stdexcept>
#include <string>

namespace rallix {

// No window system could be reached. Not a run-time error of the game: the
// player gets one plain line, "cannot open a window: no display (REASON)",
// REASON being SDL's own.
class NoDisplayError : public std::runtime_error {
 public:
  explicit NoDisplayError(const std::string& reason)
      : std::runtime_error("cannot open a window: no display (" + reason + ")") {}
};

// Starts SDL's video and events. With no driver named, SDL may choose only
// among the drivers that show a window, and failing to start one of them:
// NoDisplayError. A driver named that fails: RuntimeError with SDL's message.
void StartSdlVideo();

}  // namespace rallix
