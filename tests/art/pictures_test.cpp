// Every picture: its size, its transparency and the look it promises.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "art/artwork.h"

namespace rallix::art {
namespace {

enum class Kind { kBall, kPaddle, kBanner, kBackdrop };

struct PictureCase {
  std::string name;
  const Picture& (*draw)();
  int width;
  int height;
  Kind kind;
};

// Names the case in failure messages instead of dumping its bytes.
void PrintTo(const PictureCase& c, std::ostream* out) {
  *out << c.name;
}

std::string CaseName(const testing::TestParamInfo<PictureCase>& info) {
  return info.param.name;
}

const PictureCase kAllPictures[] = {
    {"BluePlasticBall", BluePlasticBall, 40, 40, Kind::kBall},
    {"GreenRubberBall", GreenRubberBall, 40, 40, Kind::kBall},
    {"MysteryBall", MysteryBall, 40, 40, Kind::kBall},
    {"GoldBall", GoldBall, 95, 95, Kind::kBall},
    {"SpecialBall", SpecialBall, 95, 95, Kind::kBall},
    {"LightPaddle", LightPaddle, 210, 50, Kind::kPaddle},
    {"DarkPaddle", DarkPaddle, 210, 50, Kind::kPaddle},
    {"WinBanner", WinBanner, 445, 105, Kind::kBanner},
    {"LossBanner", LossBanner, 445, 105, Kind::kBanner},
    {"FieldBackground", FieldBackground, 40, 40, Kind::kBackdrop},
    {"BlackSquare", BlackSquare, 40, 40, Kind::kBackdrop},
};

std::vector<PictureCase> CasesOf(std::initializer_list<Kind> kinds) {
  std::vector<PictureCase> cases;
  for (const PictureCase& c : kAllPictures) {
    if (std::find(kinds.begin(), kinds.end(), c.kind) != kinds.end()) {
      cases.push_back(c);
    }
  }
  return cases;
}

int Brightness(Rgb c) {
  return (c.r + c.g + c.b) / 3;
}

class EveryPicture : public testing::TestWithParam<PictureCase> {};

TEST_P(EveryPicture, HasItsSizeAndIsDrawnOnlyOnce) {
  const PictureCase& c = GetParam();
  const Picture& picture = c.draw();
  EXPECT_EQ(picture.width, c.width);
  EXPECT_EQ(picture.height, c.height);
  EXPECT_EQ(picture.pixels.size(), static_cast<std::size_t>(c.width) * c.height);
  EXPECT_EQ(&picture, &c.draw());
}

INSTANTIATE_TEST_SUITE_P(Art, EveryPicture, testing::ValuesIn(kAllPictures), CaseName);

class EverySprite : public testing::TestWithParam<PictureCase> {};

TEST_P(EverySprite, CornersAreTransparent) {
  const PictureCase& c = GetParam();
  const Picture& picture = c.draw();
  for (const int x : {0, 1, c.width - 2, c.width - 1}) {
    for (const int y : {0, 1, c.height - 2, c.height - 1}) {
      EXPECT_EQ(picture.At(x, y), kTransparentBlack) << "at " << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Art, EverySprite,
                         testing::ValuesIn(CasesOf({Kind::kBall, Kind::kPaddle, Kind::kBanner})),
                         CaseName);

class EveryBall : public testing::TestWithParam<PictureCase> {};

// Inside the disc no pixel may be the transparent colour (it would show as a
// hole); outside the inscribed circle every pixel must be.
TEST_P(EveryBall, IsASolidDiscFillingTheSquare) {
  const Picture& ball = GetParam().draw();
  const float centre = static_cast<float>(ball.width) / 2.0F;
  const float solidRadius = centre - 2.5F;
  for (int y = 0; y < ball.height; ++y) {
    for (int x = 0; x < ball.width; ++x) {
      const float distance =
          std::hypot(static_cast<float>(x) + 0.5F - centre, static_cast<float>(y) + 0.5F - centre);
      if (distance <= solidRadius) {
        EXPECT_NE(ball.At(x, y), kTransparentBlack) << "hole at " << x << "," << y;
      } else if (distance > centre) {
        EXPECT_EQ(ball.At(x, y), kTransparentBlack) << "outside the circle at " << x << "," << y;
      }
    }
  }
}

double MeanBrightness(const Picture& picture, int left, int top, int size) {
  long sum = 0;
  for (int y = top; y < top + size; ++y) {
    for (int x = left; x < left + size; ++x) {
      sum += Brightness(picture.At(x, y));
    }
  }
  return static_cast<double>(sum) / (size * size);
}

// Light comes from the top left, so that side outshines the bottom right.
TEST_P(EveryBall, IsLitFromTheTopLeft) {
  const Picture& ball = GetParam().draw();
  const int patch = ball.width / 4;
  const int near = ball.width / 2 - patch - 2;
  const int far = ball.width / 2 + 2;
  EXPECT_GT(MeanBrightness(ball, near, near, patch), MeanBrightness(ball, far, far, patch) + 10.0);
}

INSTANTIATE_TEST_SUITE_P(Art, EveryBall, testing::ValuesIn(CasesOf({Kind::kBall})), CaseName);

TEST(Balls, CarryTheirOwnColours) {
  const auto channelSums = [](const Picture& ball) {
    long r = 0;
    long g = 0;
    long b = 0;
    for (const Rgb& p : ball.pixels) {
      r += p.r;
      g += p.g;
      b += p.b;
    }
    return std::array<long, 3>{r, g, b};
  };
  const auto blue = channelSums(BluePlasticBall());
  EXPECT_GT(blue[2], blue[0] + blue[1]);
  const auto green = channelSums(GreenRubberBall());
  EXPECT_GT(green[1], green[0] + green[2]);
  const auto mystery = channelSums(MysteryBall());
  EXPECT_GT(mystery[2], mystery[0] + mystery[1]);
  EXPECT_LT(mystery[2], blue[2]) << "the mystery ball should be the darker blue";
  const auto gold = channelSums(GoldBall());
  EXPECT_GT(gold[0], gold[1]);
  EXPECT_GT(gold[1], gold[2]);
  const auto special = channelSums(SpecialBall());
  EXPECT_GT(special[2], special[1]) << "magenta and cyan both carry blue";
}

class EveryPaddle : public testing::TestWithParam<PictureCase> {};

TEST_P(EveryPaddle, IsASolidRoundedBar) {
  const Picture& paddle = GetParam().draw();
  // The body of the bar, away from its rounded ends and its edges.
  for (int y = 8; y <= 42; y += 2) {
    for (int x = 10; x <= 200; x += 5) {
      EXPECT_NE(paddle.At(x, y), kTransparentBlack) << "hole at " << x << "," << y;
    }
  }
  // The ends are rounded: a small square at each corner stays see-through.
  for (int d = 0; d < 4; ++d) {
    EXPECT_EQ(paddle.At(2 + d, 5), kTransparentBlack);
    EXPECT_EQ(paddle.At(207 - d, 44), kTransparentBlack);
  }
  // The middle of each end is part of the bar.
  EXPECT_NE(paddle.At(3, 25), kTransparentBlack);
  EXPECT_NE(paddle.At(206, 25), kTransparentBlack);
}

INSTANTIATE_TEST_SUITE_P(Art, EveryPaddle, testing::ValuesIn(CasesOf({Kind::kPaddle})), CaseName);

double MeanBrightnessOfShape(const Picture& picture) {
  long sum = 0;
  long count = 0;
  for (const Rgb& p : picture.pixels) {
    if (p != kTransparentBlack) {
      sum += Brightness(p);
      ++count;
    }
  }
  return count == 0 ? 0.0 : static_cast<double>(sum) / static_cast<double>(count);
}

TEST(Paddles, LightIsClearlyLighterAndDarkStillShowsOnBlack) {
  const double light = MeanBrightnessOfShape(LightPaddle());
  const double dark = MeanBrightnessOfShape(DarkPaddle());
  EXPECT_GT(light, dark + 80.0);
  EXPECT_GT(dark, 45.0);
}

class EveryBanner : public testing::TestWithParam<PictureCase> {};

TEST_P(EveryBanner, LettersAreRedOnTransparentBlack) {
  const Picture& banner = GetParam().draw();
  long lit = 0;
  long red = 0;
  int brightestRed = 0;
  for (const Rgb& p : banner.pixels) {
    if (p == kTransparentBlack) {
      continue;
    }
    ++lit;
    if (p.r >= 2 * (p.g + p.b) && p.r > 0) {
      ++red;
    }
    brightestRed = std::max<int>(brightestRed, p.r);
  }
  EXPECT_GT(red, lit * 95 / 100);
  EXPECT_GE(brightestRed, 240);
}

// Large lettering: the lit area spans most of the banner, yet leaves a clear
// border and plenty of background between the strokes.
TEST_P(EveryBanner, LetteringFillsTheBanner) {
  const Picture& banner = GetParam().draw();
  int left = banner.width;
  int right = -1;
  int top = banner.height;
  int bottom = -1;
  long lit = 0;
  for (int y = 0; y < banner.height; ++y) {
    for (int x = 0; x < banner.width; ++x) {
      if (banner.At(x, y) != kTransparentBlack) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        ++lit;
      }
    }
  }
  ASSERT_GE(right, 0) << "nothing drawn";
  EXPECT_GE(bottom - top + 1, banner.height * 80 / 100);
  EXPECT_GE(right - left + 1, banner.width * 65 / 100);
  EXPECT_GT(left, 0);
  EXPECT_GT(top, 0);
  EXPECT_LT(right, banner.width - 1);
  EXPECT_LT(bottom, banner.height - 1);
  const long area = static_cast<long>(banner.width) * banner.height;
  EXPECT_GT(lit, area / 10);
  EXPECT_LT(lit, area * 6 / 10);
}

INSTANTIATE_TEST_SUITE_P(Art, EveryBanner, testing::ValuesIn(CasesOf({Kind::kBanner})), CaseName);

TEST(Banners, WinAndLossSayDifferentThings) {
  EXPECT_NE(WinBanner().pixels, LossBanner().pixels);
}

// The tile is stretched about twenty times, so neighbouring pixels must stay
// close or the field shows blocks; it must also stay dark behind the sprites.
TEST(FieldBackground, IsASmoothDarkBlueGradient) {
  const Picture& tile = FieldBackground();
  for (int y = 0; y < tile.height; ++y) {
    for (int x = 0; x < tile.width; ++x) {
      const Rgb p = tile.At(x, y);
      EXPECT_LE(Brightness(p), 90) << "at " << x << "," << y;
      EXPECT_GE(p.b, p.r);
      EXPECT_GE(p.b, p.g);
      for (const auto& [nx, ny] : {std::pair{x + 1, y}, std::pair{x, y + 1}}) {
        if (nx < tile.width && ny < tile.height) {
          const Rgb q = tile.At(nx, ny);
          EXPECT_LE(std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b), 6)
              << "step between " << x << "," << y << " and " << nx << "," << ny;
        }
      }
    }
  }
  EXPECT_GT(Brightness(tile.At(20, 17)), Brightness(tile.At(0, 0)) + 10)
      << "the middle should glow compared with the corners";
}

TEST(BlackSquare, IsBlackThroughout) {
  for (const Rgb& p : BlackSquare().pixels) {
    ASSERT_EQ(p, kTransparentBlack);
  }
}

}  // namespace
}  // namespace rallix::art
