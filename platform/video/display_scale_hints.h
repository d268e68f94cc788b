#pragma once
// Gathers what the player and the desktop say of the display's scale, for
// the window just made. Included only by the window's own sources.

#include "platform/video/display_scale.h"

struct SDL_Window;
struct SDL_Renderer;

namespace rallix {

DisplayScaleHints ReadDisplayScaleHints(SDL_Window* window, SDL_Renderer* renderer);

// Screen pixels per window unit: more than 1 where the window system scales
// windows itself (Wayland, a page on a HiDPI screen), 1 on X11.
double WindowPixelRatio(SDL_Window* window, SDL_Renderer* renderer);

}  // namespace rallix
