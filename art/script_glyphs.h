#pragma once
// The hand-drawn letters of our banner script: only the characters the game
// writes. Units: baseline at 0, lower-case height 5.5, capital height 10, y up.

#include <vector>

#include "art/stroke_path.h"

namespace rallix::art {

struct Glyph {
  float advance = 0.0F;  // pen movement to the next letter
  bool upright = false;  // symbols that must not lean with the italic slant
  std::vector<StrokePath> strokes;
};

// Throws std::out_of_range for a character the script has no letter for.
const Glyph& GlyphFor(char32_t character);

}  // namespace rallix::art
