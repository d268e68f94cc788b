#pragma once
// Small shared helpers for drawing pictures: a floating-point working colour,
// anti-aliasing coverage, and the conversion to pixels that keeps a sprite's
// inside from ever hitting the transparent black.

#include <cstdint>

#include "core/picture.h"

namespace rallix::art {

// Working colour, channels nominally in [0, 1]; anything above 1 saturates when stored.
struct Colour {
  float r = 0.0F;
  float g = 0.0F;
  float b = 0.0F;
};

constexpr Colour operator+(Colour a, Colour b) {
  return {a.r + b.r, a.g + b.g, a.b + b.b};
}
constexpr Colour operator*(Colour c, float k) {
  return {c.r * k, c.g * k, c.b * k};
}
constexpr Colour operator*(Colour a, Colour b) {
  return {a.r * b.r, a.g * b.g, a.b * b.b};
}
constexpr Colour Mix(Colour a, Colour b, float t) {
  return a * (1.0F - t) + b * t;
}

float Clamp01(float value);
float SmoothStep(float edge0, float edge1, float x);

// Pixel coverage of a shape from the signed distance of the pixel centre to its
// outline (negative inside): a one-pixel ramp across the edge.
float CoverageFromSignedDistance(float signedDistance);

// Signed distance from a point, (dx, dy) from a box's centre, to the outline of
// that box with its corners rounded by cornerRadius; negative inside.
float RoundedBoxDistance(float dx, float dy, float halfWidth, float halfHeight, float cornerRadius);

// For backgrounds: no transparency involved.
Rgb ToOpaquePixel(Colour colour);

// For sprites: blends toward black by coverage. Zero coverage is exactly the
// transparent black; any coverage above zero is never exact black.
Rgb ToSpritePixel(Colour colour, float coverage);

// Deterministic per-pixel noise in [0, 1), for surface grain.
float GrainNoise(int x, int y, std::uint32_t seed);

}  // namespace rallix::art
