// The end-of-match banners: red script lettering with a faint darker glow on black.

#include <cmath>
#include <string_view>

#include "art/artwork.h"
#include "art/raster.h"
#include "art/script_font.h"

namespace rallix::art {

namespace {

constexpr int kWidth = 445;
constexpr int kHeight = 105;
// Past this much glow the pixel is left transparent, so the glow has no faint
// ragged fringe of almost-black pixels.
constexpr float kFaintestGlow = 0.05F;

Picture RenderBanner(std::u32string_view text) {
  ScriptStyle style;
  style.margin = 7.0F;
  style.glowReach = 6.0F;
  const TextMask mask = RenderScriptText(text, kWidth, kHeight, style);
  const Colour inkTop{1.0F, 0.12F, 0.08F};
  const Colour inkBottom{0.86F, 0.0F, 0.0F};
  const Colour glowColour{0.55F, 0.0F, 0.0F};
  Picture picture(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    const Colour ink = Mix(inkTop, inkBottom, static_cast<float>(y) / (kHeight - 1));
    for (int x = 0; x < kWidth; ++x) {
      const float coverage = mask.CoverageAt(x, y);
      float glow = 0.4F * std::exp(-mask.DistanceAt(x, y) / 1.8F);
      if (glow < kFaintestGlow) {
        glow = 0.0F;
      }
      // Ink over glow: the glow shows only where the ink does not cover.
      const float total = coverage + glow * (1.0F - coverage);
      if (total <= 0.0F) {
        continue;
      }
      const Colour colour = Mix(glowColour, ink, coverage / total);
      picture.At(x, y) = ToSpritePixel(colour, total);
    }
  }
  return picture;
}

}  // namespace

const Picture& WinBanner() {
  static const Picture picture = RenderBanner(U"You Win!");
  return picture;
}

const Picture& LossBanner() {
  static const Picture picture = RenderBanner(U"You Lose \u2193");
  return picture;
}

}  // namespace rallix::art
