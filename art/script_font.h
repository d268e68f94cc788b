#pragma once
// Inks a line of our script lettering into a coverage mask that fits a box:
// thick anti-aliased pen strokes with an italic slant and a broad-nib swell.

#include <cstddef>
#include <string_view>
#include <vector>

namespace rallix::art {

struct ScriptStyle {
  float slant = 0.27F;      // sideways lean per unit of height
  float penRadius = 0.78F;  // half the widest stroke, in font units (capital height is 10)
  float thinRatio = 0.45F;  // thinnest stroke over the widest, for the broad-nib look
  float margin = 6.0F;      // pixels kept clear on every side of the box
  float glowReach = 12.0F;  // how far past the ink the distance is tracked, in pixels
};

struct TextMask {
  int width = 0;
  int height = 0;
  std::vector<float> coverage;  // ink per pixel, 0 to 1
  std::vector<float> distance;  // pixels from the ink's edge: 0 on ink, capped at glowReach

  float CoverageAt(int x, int y) const { return coverage[Index(x, y)]; }
  float DistanceAt(int x, int y) const { return distance[Index(x, y)]; }

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width + x; }
};

// Lays the text out, scales it as large as fits the width x height box while
// keeping its proportions, and centres it. Throws std::out_of_range for a
// character the script lacks.
TextMask RenderScriptText(std::u32string_view text, int width, int height,
                          const ScriptStyle& style = {});

}  // namespace rallix::art
