// The two paddles: the same bevelled, rounded bar in a light and a dark finish.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "art/artwork.h"
#include "art/lighting.h"
#include "art/raster.h"

namespace rallix::art {

namespace {

constexpr int kWidth = 210;
constexpr int kHeight = 50;
constexpr float kHalfLength = 103.0F;
constexpr float kHalfThickness = 20.0F;
constexpr float kCornerRadius = 15.0F;
constexpr float kBevelWidth = 6.0F;
constexpr float kBevelSteepestDegrees = 70.0F;

struct PaddleFinish {
  Colour face;
  Colour rim;  // a thin outline that keeps a dark bar visible on black
  float rimStrength = 0.0F;
  float shine = 0.0F;  // the glossy stripe along the upper face
  float gloss = 0.0F;  // glints on the bevel
};

// Signed distance from a point to the bar's outline, negative inside.
float BarDistance(float x, float y) {
  return RoundedBoxDistance(x - kWidth / 2.0F, y - kHeight / 2.0F, kHalfLength, kHalfThickness,
                            kCornerRadius);
}

// The surface normal: flat on the face, tipping outward across the bevel.
Vec3 BarNormal(float x, float y, float depth) {
  const float step = 0.5F;
  float gx = BarDistance(x + step, y) - BarDistance(x - step, y);
  float gy = BarDistance(x, y + step) - BarDistance(x, y - step);
  const float length = std::hypot(gx, gy);
  if (length <= 0.0F) {
    return {0.0F, 0.0F, 1.0F};
  }
  gx /= length;
  gy /= length;
  const float tilt = std::pow(1.0F - std::clamp(depth / kBevelWidth, 0.0F, 1.0F), 1.5F);
  const float angle = tilt * kBevelSteepestDegrees * std::numbers::pi_v<float> / 180.0F;
  return {gx * std::sin(angle), gy * std::sin(angle), std::cos(angle)};
}

// A soft band across the upper face, fading out toward the rounded ends.
float ShineBand(float x, float y) {
  const float top = kHeight / 2.0F - kHalfThickness;
  const float across = (y - top) / (2.0F * kHalfThickness);
  const float band = SmoothStep(0.12F, 0.22F, across) * (1.0F - SmoothStep(0.30F, 0.48F, across));
  const float along = std::abs(x - kWidth / 2.0F) / kHalfLength;
  return band * (1.0F - SmoothStep(0.70F, 0.92F, along));
}

Colour ShadeBar(float x, float y, const PaddleFinish& finish) {
  const float depth = std::max(0.0F, -BarDistance(x, y));
  const Vec3 normal = BarNormal(x, y, depth);
  const Vec3 light = KeyLight();
  // Scaled so the flat face gets exactly its own colour.
  const float lit = std::max(0.0F, Dot(normal, light)) / light.z;
  const float top = kHeight / 2.0F - kHalfThickness;
  const float fromTop = (y - top) / (2.0F * kHalfThickness);
  Colour colour = finish.face * ((0.3F + 0.7F * lit) * (1.08F - 0.16F * fromTop));
  const float glint = std::pow(std::max(0.0F, Dot(normal, KeyHalfway())), 30.0F);
  const float onBevel = 1.0F - SmoothStep(0.0F, kBevelWidth, depth);
  colour = colour + Colour{1.0F, 1.0F, 1.0F} * (finish.gloss * glint * onBevel);
  colour = colour + Colour{1.0F, 1.0F, 1.0F} * (finish.shine * ShineBand(x, y));
  const float outline = 1.0F - SmoothStep(0.6F, 2.0F, depth);
  return Mix(colour, finish.rim, finish.rimStrength * outline);
}

Picture RenderPaddle(const PaddleFinish& finish) {
  Picture picture(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const float cx = static_cast<float>(x) + 0.5F;
      const float cy = static_cast<float>(y) + 0.5F;
      const float coverage = CoverageFromSignedDistance(BarDistance(cx, cy));
      picture.At(x, y) = ToSpritePixel(ShadeBar(cx, cy, finish), coverage);
    }
  }
  return picture;
}

}  // namespace

const Picture& LightPaddle() {
  static const Picture picture = RenderPaddle({.face = {0.78F, 0.79F, 0.82F},
                                               .rim = {0.55F, 0.56F, 0.60F},
                                               .rimStrength = 0.35F,
                                               .shine = 0.16F,
                                               .gloss = 0.5F});
  return picture;
}

const Picture& DarkPaddle() {
  static const Picture picture = RenderPaddle({.face = {0.27F, 0.28F, 0.31F},
                                               .rim = {0.55F, 0.57F, 0.62F},
                                               .rimStrength = 0.6F,
                                               .shine = 0.12F,
                                               .gloss = 0.45F});
  return picture;
}

}  // namespace rallix::art
