// The five balls: each is one surface shader handed to the shared sphere renderer.

#include <algorithm>
#include <cmath>

#include "art/artwork.h"
#include "art/raster.h"
#include "art/script_font.h"
#include "art/sphere.h"

namespace rallix::art {

namespace {

constexpr int kSmallBall = 40;
constexpr int kLargeBall = 95;
constexpr float kSmallMargin = 1.2F;
constexpr float kLargeMargin = 1.7F;
constexpr Colour kWhite{1.0F, 1.0F, 1.0F};

float Diffuse(Vec3 normal) {
  return std::max(0.0F, Dot(normal, KeyLight()));
}

float Specular(Vec3 normal, float shininess) {
  return std::pow(std::max(0.0F, Dot(normal, KeyHalfway())), shininess);
}

// Grazing-angle brightening: strongest at the silhouette.
float Fresnel(Vec3 normal, float power) {
  return std::pow(1.0F - normal.z, power);
}

// Light bounced up from the floor onto the lower right, which keeps the shadow
// side from going flat.
float Bounce(Vec3 normal) {
  return std::pow(std::max(0.0F, Dot(normal, Normalised({0.55F, 0.7F, 0.2F}))), 2.0F);
}

Colour ShadeBluePlastic(const SphereSample& s) {
  const Colour base{0.07F, 0.30F, 0.92F};
  Colour colour = base * (0.16F + 0.9F * Diffuse(s.normal));
  colour = colour + Colour{0.25F, 0.45F, 1.0F} * (0.35F * Bounce(s.normal));
  colour = colour + Colour{0.55F, 0.75F, 1.0F} * (0.45F * Fresnel(s.normal, 3.0F));
  colour = colour + kWhite * (0.25F * Specular(s.normal, 14.0F));
  colour = colour + kWhite * (1.1F * Specular(s.normal, 140.0F));
  return colour;
}

// Grain in the ball's own pixels, so a ball drawn larger keeps its look.
Colour ShadeGreenRubber(const SphereSample& s, int scale) {
  const Colour base{0.24F, 0.66F, 0.21F};
  // Wrapped lighting reads as soft and matte.
  const float wrapped = std::max(0.0F, (Dot(s.normal, KeyLight()) + 0.35F) / 1.35F);
  Colour colour = base * (0.14F + 0.85F * wrapped);
  colour = colour * (0.8F + 0.2F * std::sqrt(s.normal.z));
  colour = colour + Colour{0.5F, 0.8F, 0.4F} * (0.12F * Specular(s.normal, 6.0F));
  colour = colour + base * (0.25F * Bounce(s.normal));
  const float grain = GrainNoise(s.pixelX / scale, s.pixelY / scale, 0x5eedU) - 0.5F;
  return colour * (1.0F + 0.10F * grain);
}

constexpr float kMarkHaloPixels = 1.5F;

TextMask QuestionMark(int scale) {
  const auto scaled = static_cast<float>(scale);
  ScriptStyle style;
  style.penRadius = 0.9F;
  style.thinRatio = 0.75F;
  style.margin = 10.0F * scaled;
  style.glowReach = 4.0F * scaled;
  return RenderScriptText(U"?", kSmallBall * scale, kSmallBall * scale, style);
}

Colour ShadeMystery(const SphereSample& s, const TextMask& mark, int scale) {
  const Colour base{0.04F, 0.06F, 0.30F};
  Colour colour = base * (0.35F + 0.75F * Diffuse(s.normal));
  // The glow comes from inside: a bright core and a luminous rim.
  colour = colour + Colour{0.10F, 0.22F, 0.85F} * (0.75F * std::exp(-3.0F * s.radial * s.radial));
  colour = colour + Colour{0.35F, 0.6F, 1.0F} * (1.0F * Fresnel(s.normal, 2.2F));
  const float ink = mark.CoverageAt(s.pixelX, s.pixelY);
  const float halo = std::exp(-mark.DistanceAt(s.pixelX, s.pixelY) /
                              (kMarkHaloPixels * static_cast<float>(scale))) *
                     (1.0F - ink);
  colour = colour + Colour{0.25F, 0.50F, 1.0F} * (0.35F * halo);
  colour = Mix(colour, Colour{0.75F, 0.90F, 1.0F}, 0.9F * ink);
  colour = colour + kWhite * (0.7F * Specular(s.normal, 90.0F));
  return colour;
}

// Polished metal shows its surroundings: a bright sky above a sharp horizon
// and darker ground below, all tinted by the gold.
float Surroundings(Vec3 normal) {
  const float reflectedUp = -(2.0F * normal.z * normal.y);  // y of the reflected view ray, up
  const float horizon = -0.3F;
  const float sky = 0.72F + 0.45F * SmoothStep(horizon, 1.0F, reflectedUp);
  const float ground = 0.16F + 0.34F * SmoothStep(horizon - 0.1F, -1.0F, reflectedUp);
  return ground + (sky - ground) * SmoothStep(horizon - 0.08F, horizon + 0.04F, reflectedUp);
}

Colour ShadeGold(const SphereSample& s) {
  const Colour gold{1.0F, 0.76F, 0.30F};
  Colour colour = gold * (Surroundings(s.normal) * (0.45F + 0.65F * Diffuse(s.normal)));
  colour = colour + Colour{1.0F, 0.85F, 0.5F} * (0.25F * Specular(s.normal, 24.0F));
  colour = colour + kWhite * (1.2F * Specular(s.normal, 160.0F));
  colour = colour + Colour{0.9F, 0.55F, 0.15F} * (0.4F * Bounce(s.normal));
  // A darker amber edge keeps the silhouette crisp against bright fields.
  return colour * (1.0F - 0.45F * Fresnel(s.normal, 6.0F));
}

Colour ShadeSpecial(const SphereSample& s) {
  const Colour magenta{1.0F, 0.12F, 0.85F};
  const Colour cyan{0.15F, 0.95F, 1.0F};
  const Vec3& n = s.normal;
  // Energy filaments: thin bright ridges of two interfering swirls on the surface.
  const float swirlA = std::sin(7.0F * n.x + 3.0F * std::sin(5.0F * n.y + 1.3F) + 2.0F * n.z);
  const float swirlB = std::sin(6.5F * n.y - 2.5F * std::cos(4.5F * n.x - 0.7F) + 1.7F * n.z);
  const float ridgeA = std::pow(1.0F - std::abs(swirlA), 6.0F);
  const float ridgeB = std::pow(1.0F - std::abs(swirlB), 6.0F);
  Colour colour = Colour{0.16F, 0.02F, 0.22F} * (0.6F + 0.6F * Diffuse(n));
  colour = colour + magenta * (0.85F * ridgeA) + cyan * (0.75F * ridgeB);
  colour = colour + Mix(magenta, kWhite, 0.5F) * (0.9F * std::exp(-5.0F * s.radial * s.radial));
  colour = colour + cyan * (0.9F * Fresnel(n, 2.2F));
  colour = colour + kWhite * (0.9F * Specular(n, 120.0F));
  return colour;
}

Picture Ball(int size, float margin, int scale, const SphereShader& shade) {
  return RenderSphere(size * scale, margin * static_cast<float>(scale), shade);
}

}  // namespace

Picture DrawBall(BallKind kind, int scale) {
  switch (kind) {
    case BallKind::BluePlastic:
      return Ball(kSmallBall, kSmallMargin, scale, ShadeBluePlastic);
    case BallKind::GreenRubber:
      return Ball(kSmallBall, kSmallMargin, scale,
                  [scale](const SphereSample& s) { return ShadeGreenRubber(s, scale); });
    case BallKind::Mystery: {
      const TextMask mark = QuestionMark(scale);
      return Ball(kSmallBall, kSmallMargin, scale,
                  [&mark, scale](const SphereSample& s) { return ShadeMystery(s, mark, scale); });
    }
    case BallKind::Gold:
      return Ball(kLargeBall, kLargeMargin, scale, ShadeGold);
    case BallKind::Special:
      return Ball(kLargeBall, kLargeMargin, scale, ShadeSpecial);
  }
  return {};
}

const Picture& BluePlasticBall() {
  static const Picture picture = DrawBall(BallKind::BluePlastic, 1);
  return picture;
}

const Picture& GreenRubberBall() {
  static const Picture picture = DrawBall(BallKind::GreenRubber, 1);
  return picture;
}

const Picture& MysteryBall() {
  static const Picture picture = DrawBall(BallKind::Mystery, 1);
  return picture;
}

const Picture& GoldBall() {
  static const Picture picture = DrawBall(BallKind::Gold, 1);
  return picture;
}

const Picture& SpecialBall() {
  static const Picture picture = DrawBall(BallKind::Special, 1);
  return picture;
}

}  // namespace rallix::art
