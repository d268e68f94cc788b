#pragma once
// Draws a ball: a shaded disc centred in a square sprite on transparent black,
// with an anti-aliased rim. Each ball supplies only its surface shader.

#include <functional>

#include "art/lighting.h"
#include "art/raster.h"
#include "core/picture.h"

namespace rallix::art {

struct SphereSample {
  Vec3 normal;          // unit surface normal
  float radial = 0.0F;  // distance from the centre over the radius, 0 to 1
  int pixelX = 0;       // the pixel being shaded, for grain
  int pixelY = 0;
};

using SphereShader = std::function<Colour(const SphereSample&)>;

// A size x size sprite holding a ball of radius size / 2 - margin, shaded with
// several samples per pixel so thin highlights do not shimmer.
Picture RenderSphere(int size, float margin, const SphereShader& shade);

}  // namespace rallix::art
