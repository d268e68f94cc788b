// The pixel conversion every sprite goes through, which guards the transparent colour.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "art/raster.h"

namespace rallix::art {
namespace {

struct SpritePixelCase {
  std::string name;
  Colour colour;
  float coverage;
  bool transparent;
};

// Names the case in failure messages instead of dumping its bytes.
void PrintTo(const SpritePixelCase& c, std::ostream* out) {
  *out << c.name;
}

class SpritePixel : public testing::TestWithParam<SpritePixelCase> {};

TEST_P(SpritePixel, IsTransparentExactlyWhenUncovered) {
  const SpritePixelCase& c = GetParam();
  const Rgb pixel = ToSpritePixel(c.colour, c.coverage);
  if (c.transparent) {
    EXPECT_EQ(pixel, kTransparentBlack);
  } else {
    EXPECT_NE(pixel, kTransparentBlack);
  }
}

const SpritePixelCase kSpritePixels[] = {
    {"Uncovered", {1.0F, 1.0F, 1.0F}, 0.0F, true},
    {"NegativeCoverage", {1.0F, 0.0F, 0.0F}, -0.3F, true},
    {"FaintEdge", {0.5F, 0.5F, 0.5F}, 0.001F, false},
    {"BlackInsideShape", {0.0F, 0.0F, 0.0F}, 1.0F, false},
    {"NegativeShadeInsideShape", {-0.2F, -0.1F, -0.5F}, 1.0F, false},
    {"OrdinaryColour", {0.2F, 0.4F, 0.8F}, 1.0F, false},
};

INSTANTIATE_TEST_SUITE_P(Art, SpritePixel, testing::ValuesIn(kSpritePixels),
                         [](const auto& info) { return info.param.name; });

TEST(SpritePixel, ScalesByCoverageAndSaturates) {
  EXPECT_EQ(ToSpritePixel({1.0F, 0.5F, 0.0F}, 1.0F), (Rgb{255, 128, 0}));
  EXPECT_EQ(ToSpritePixel({1.0F, 0.5F, 0.0F}, 0.5F), (Rgb{128, 64, 0}));
  EXPECT_EQ(ToSpritePixel({2.0F, 1.5F, 1.2F}, 1.0F), (Rgb{255, 255, 255}));
}

TEST(Coverage, RampsAcrossOnePixelAtTheEdge) {
  EXPECT_FLOAT_EQ(CoverageFromSignedDistance(-3.0F), 1.0F);
  EXPECT_FLOAT_EQ(CoverageFromSignedDistance(0.0F), 0.5F);
  EXPECT_FLOAT_EQ(CoverageFromSignedDistance(0.25F), 0.25F);
  EXPECT_FLOAT_EQ(CoverageFromSignedDistance(0.5F), 0.0F);
  EXPECT_FLOAT_EQ(CoverageFromSignedDistance(4.0F), 0.0F);
}

}  // namespace
}  // namespace rallix::art
