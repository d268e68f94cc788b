// Plain backdrops: the field tile and the black square.

#include <cmath>

#include "art/artwork.h"
#include "art/raster.h"

namespace rallix::art {

namespace {

constexpr int kTileSize = 40;

// The tile is stretched about twenty times over the whole field, so it holds
// nothing but a slow vignette: any sharper detail would turn into big blocks.
Picture RenderFieldTile() {
  const Colour middle{0.07F, 0.13F, 0.27F};
  const Colour edge{0.015F, 0.03F, 0.085F};
  Picture picture(kTileSize, kTileSize);
  for (int y = 0; y < kTileSize; ++y) {
    for (int x = 0; x < kTileSize; ++x) {
      const float u = (static_cast<float>(x) + 0.5F) / kTileSize - 0.5F;
      // The bright spot sits a little above the middle, as if lit from above.
      const float v = (static_cast<float>(y) + 0.5F) / kTileSize - 0.42F;
      const float reach = std::sqrt(u * u + v * v) / 0.75F;
      picture.At(x, y) = ToOpaquePixel(Mix(middle, edge, SmoothStep(0.0F, 1.0F, reach)));
    }
  }
  return picture;
}

}  // namespace

const Picture& FieldBackground() {
  static const Picture picture = RenderFieldTile();
  return picture;
}

const Picture& BlackSquare() {
  static const Picture picture(kTileSize, kTileSize, kTransparentBlack);
  return picture;
}

}  // namespace rallix::art
