// The icons: a few shapes given by signed distances in tile units (0..1 across
// the icon), sampled several times a pixel and laid over each other.

#include "art/icons.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "art/lighting.h"
#include "art/raster.h"

namespace rallix::art {
namespace {

constexpr int kSamplesPerSide = 4;
constexpr float kTileMargin = 0.04F;
constexpr float kTileCorner = 0.18F;
constexpr float kRimWidth = 0.025F;
constexpr float kPaddleHalfLength = 0.24F;
constexpr float kPaddleRadius = 0.055F;
constexpr float kBallRadius = 0.145F;
constexpr std::array<int, 7> kSizes{16, 24, 32, 48, 64, 128, 256};

struct Point {
  float x = 0.0F;
  float y = 0.0F;
};

// A colour with its coverage, straight (not premultiplied).
struct Paint {
  Colour colour;
  float alpha = 0.0F;
};

Paint Over(Paint top, Paint below) {
  const float alpha = top.alpha + below.alpha * (1.0F - top.alpha);
  if (alpha <= 0.0F) {
    return {};
  }
  const Colour colour =
      (top.colour * top.alpha + below.colour * (below.alpha * (1.0F - top.alpha))) * (1.0F / alpha);
  return {colour, alpha};
}

float RoundedSquareDistance(Point p) {
  const float half = 0.5F - kTileMargin;
  return RoundedBoxDistance(p.x - 0.5F, p.y - 0.5F, half, half, kTileCorner);
}

// A paddle: a bar with round ends, lying along x.
float PaddleDistance(Point p, Point centre) {
  const float along = std::max(std::abs(p.x - centre.x) - kPaddleHalfLength, 0.0F);
  return std::hypot(along, p.y - centre.y) - kPaddleRadius;
}

struct Look {
  Colour tileTop;
  Colour tileBottom;
  Colour rim;
  Colour ball;
  float ballShine = 0.0F;  // how metallic: the gold one reflects more
  Point ballAt;
  Point trailStep;  // where the ball came from, one ghost a step
  bool topPaddle = false;
  Point topPaddleAt;
  Point bottomPaddleAt;
};

Paint Tile(Point p, const Look& look) {
  if (RoundedSquareDistance(p) > 0.0F) {
    return {};
  }
  const float down = Clamp01((p.y - kTileMargin) / (1.0F - 2.0F * kTileMargin));
  Colour colour = Mix(look.tileTop, look.tileBottom, down);
  const float rim = 1.0F - SmoothStep(0.0F, kRimWidth, -RoundedSquareDistance(p));
  colour = Mix(colour, look.rim, 0.55F * rim);
  return {colour, 1.0F};
}

Paint Paddle(Point p, Point centre, Colour face, Colour rim) {
  const float distance = PaddleDistance(p, centre);
  if (distance > 0.0F) {
    return {};
  }
  // Lit from above: the upper half of the bar brighter, a rim to keep a dark
  // bar visible on a dark tile.
  const float across = (p.y - centre.y) / kPaddleRadius;  // -1 top, 1 bottom
  Colour colour = face * (1.15F - 0.35F * (across + 1.0F) / 2.0F);
  colour = Mix(colour, rim, 1.0F - SmoothStep(0.0F, 0.25F * kPaddleRadius, -distance));
  return {colour, 1.0F};
}

Paint Ball(Point p, Point centre, const Look& look, float alpha) {
  const float dx = (p.x - centre.x) / kBallRadius;
  const float dy = (p.y - centre.y) / kBallRadius;
  const float r2 = dx * dx + dy * dy;
  if (r2 > 1.0F) {
    return {};
  }
  const Vec3 normal{dx, dy, std::sqrt(1.0F - r2)};
  const float diffuse = std::max(0.0F, Dot(normal, KeyLight()));
  const float specular = std::pow(std::max(0.0F, Dot(normal, KeyHalfway())), 60.0F);
  Colour colour = look.ball * (0.25F + 0.85F * diffuse);
  colour = colour + look.ball * (look.ballShine * std::pow(1.0F - normal.z, 2.0F));
  colour = colour + Colour{1.0F, 1.0F, 1.0F} * (1.1F * specular);
  return {colour, alpha};
}

Paint Scene(Point p, const Look& look) {
  Paint paint = Tile(p, look);
  if (paint.alpha <= 0.0F) {
    return paint;
  }
  if (look.topPaddle) {
    paint = Over(Paddle(p, look.topPaddleAt, {0.30F, 0.31F, 0.36F}, {0.70F, 0.72F, 0.80F}), paint);
  }
  paint = Over(Paddle(p, look.bottomPaddleAt, {0.80F, 0.81F, 0.85F}, {0.55F, 0.56F, 0.62F}), paint);
  // Two fading ghosts behind the ball show which way it flies.
  for (const auto& [steps, alpha] : {std::pair{2.0F, 0.18F}, std::pair{1.0F, 0.38F}}) {
    const Point ghost{look.ballAt.x + steps * look.trailStep.x,
                      look.ballAt.y + steps * look.trailStep.y};
    paint = Over(Ball(p, ghost, look, alpha), paint);
  }
  return Over(Ball(p, look.ballAt, look, 1.0F), paint);
}

std::uint8_t ToByte(float value) {
  return static_cast<std::uint8_t>(std::lround(Clamp01(value) * 255.0F));
}

Icon Render(int size, const Look& look) {
  Icon icon{size,
            std::vector<Rgba>(static_cast<std::size_t>(size) * static_cast<std::size_t>(size))};
  const float step = 1.0F / (static_cast<float>(size) * kSamplesPerSide);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      // Averaged premultiplied, so edges blend toward nothing, not toward black.
      Colour sum;
      float alphaSum = 0.0F;
      for (int sy = 0; sy < kSamplesPerSide; ++sy) {
        for (int sx = 0; sx < kSamplesPerSide; ++sx) {
          const Point p{(static_cast<float>(x * kSamplesPerSide + sx) + 0.5F) * step,
                        (static_cast<float>(y * kSamplesPerSide + sy) + 0.5F) * step};
          const Paint paint = Scene(p, look);
          sum = sum + paint.colour * paint.alpha;
          alphaSum += paint.alpha;
        }
      }
      constexpr float kSamples = kSamplesPerSide * kSamplesPerSide;
      const float alpha = alphaSum / kSamples;
      const Colour colour = alphaSum > 0.0F ? sum * (1.0F / alphaSum) : Colour{};
      icon.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(size) +
                  static_cast<std::size_t>(x)] = {ToByte(colour.r), ToByte(colour.g),
                                                  ToByte(colour.b), ToByte(alpha)};
    }
  }
  return icon;
}

}  // namespace

Icon FullGameIcon(int size) {
  return Render(size, {.tileTop = {0.12F, 0.16F, 0.38F},
                       .tileBottom = {0.03F, 0.04F, 0.13F},
                       .rim = {0.45F, 0.55F, 0.95F},
                       .ball = {1.0F, 0.76F, 0.30F},
                       .ballShine = 0.6F,
                       .ballAt = {0.62F, 0.49F},
                       .trailStep = {-0.085F, 0.085F},
                       .topPaddle = true,
                       .topPaddleAt = {0.40F, 0.21F},
                       .bottomPaddleAt = {0.56F, 0.80F}});
}

Icon FirstEditionIcon(int size) {
  return Render(size, {.tileTop = {0.07F, 0.34F, 0.24F},
                       .tileBottom = {0.01F, 0.10F, 0.07F},
                       .rim = {0.40F, 0.85F, 0.60F},
                       .ball = {0.07F, 0.30F, 0.92F},
                       .ballShine = 0.4F,
                       .ballAt = {0.50F, 0.40F},
                       .trailStep = {0.085F, 0.085F},
                       .topPaddle = false,
                       .topPaddleAt = {},
                       .bottomPaddleAt = {0.50F, 0.78F}});
}

std::span<const int> IconSizes() {
  return kSizes;
}

}  // namespace rallix::art
