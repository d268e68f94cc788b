#include "art/sphere.h"

#include <algorithm>
#include <cmath>

namespace rallix::art {

namespace {

constexpr int kSamplesPerAxis = 3;

}  // namespace

Picture RenderSphere(int size, float margin, const SphereShader& shade) {
  Picture picture(size, size);
  const float centre = static_cast<float>(size) / 2.0F;
  const float radius = centre - margin;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const float dx = static_cast<float>(x) + 0.5F - centre;
      const float dy = static_cast<float>(y) + 0.5F - centre;
      const float coverage = CoverageFromSignedDistance(std::sqrt(dx * dx + dy * dy) - radius);
      if (coverage <= 0.0F) {
        continue;
      }
      Colour sum;
      for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
        for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
          float nx = (dx + (static_cast<float>(sx) + 0.5F) / kSamplesPerAxis - 0.5F) / radius;
          float ny = (dy + (static_cast<float>(sy) + 0.5F) / kSamplesPerAxis - 0.5F) / radius;
          float radial = std::sqrt(nx * nx + ny * ny);
          if (radial > 1.0F) {
            // Samples past the rim take the rim's normal.
            nx /= radial;
            ny /= radial;
            radial = 1.0F;
          }
          const float nz = std::sqrt(std::max(0.0F, 1.0F - radial * radial));
          sum = sum + shade({{nx, ny, nz}, radial, x, y});
        }
      }
      picture.At(x, y) =
          ToSpritePixel(sum * (1.0F / (kSamplesPerAxis * kSamplesPerAxis)), coverage);
    }
  }
  return picture;
}

}  // namespace rallix::art
