#include "art/raster.h"

#include <algorithm>
#include <cmath>

namespace rallix::art {

namespace {

std::uint8_t ToChannel(float value) {
  return static_cast<std::uint8_t>(std::lround(Clamp01(value) * 255.0F));
}

}  // namespace

float Clamp01(float value) {
  return std::clamp(value, 0.0F, 1.0F);
}

float SmoothStep(float edge0, float edge1, float x) {
  const float t = Clamp01((x - edge0) / (edge1 - edge0));
  return t * t * (3.0F - 2.0F * t);
}

float CoverageFromSignedDistance(float signedDistance) {
  return Clamp01(0.5F - signedDistance);
}

float RoundedBoxDistance(float dx, float dy, float halfWidth, float halfHeight,
                         float cornerRadius) {
  const float qx = std::abs(dx) - (halfWidth - cornerRadius);
  const float qy = std::abs(dy) - (halfHeight - cornerRadius);
  const float outside = std::hypot(std::max(qx, 0.0F), std::max(qy, 0.0F));
  return outside + std::min(std::max(qx, qy), 0.0F) - cornerRadius;
}

Rgb ToOpaquePixel(Colour colour) {
  return {ToChannel(colour.r), ToChannel(colour.g), ToChannel(colour.b)};
}

Rgb ToSpritePixel(Colour colour, float coverage) {
  if (coverage <= 0.0F) {
    return kTransparentBlack;
  }
  Rgb pixel = ToOpaquePixel(colour * std::min(coverage, 1.0F));
  if (pixel == kTransparentBlack) {
    // A faint edge or a deep shadow would otherwise punch a hole in the sprite.
    pixel = {1, 1, 1};
  }
  return pixel;
}

float GrainNoise(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed ^ (static_cast<std::uint32_t>(x) * 0x8da6b343U) ^
                    (static_cast<std::uint32_t>(y) * 0xd8163841U);
  h ^= h >> 15;
  h *= 0x2c1b3c6dU;
  h ^= h >> 12;
  h *= 0x297a2d39U;
  h ^= h >> 15;
  return static_cast<float>(h >> 8) / static_cast<float>(1U << 24);
}

}  // namespace rallix::art
