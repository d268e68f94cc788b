#pragma once
// The programs' icons for the desktop's menus: a dark rounded tile with the
// game's paddles and ball, drawn afresh at each size so small icons stay crisp.

#include <span>
#include <string_view>
#include <vector>

#include "art/png_encoder.h"

namespace rallix::art {

struct Icon {
  int size = 0;              // width and height
  std::vector<Rgba> pixels;  // row-major, top row first; outside the tile transparent
};

Icon FullGameIcon(int size);      // gold ball between the dark and the light paddle, navy tile
Icon FirstEditionIcon(int size);  // blue ball over the light paddle, green tile

// The square sizes a desktop's icon theme looks for.
std::span<const int> IconSizes();

}  // namespace rallix::art
