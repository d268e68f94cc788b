// The stroke-font lettering: which characters it knows and how it fits a box.

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>

#include "art/script_font.h"
#include "art/script_glyphs.h"

namespace rallix::art {
namespace {

TEST(ScriptGlyphs, KnowEveryCharacterTheGameWrites) {
  for (const char32_t c : std::u32string(U"You Win! You Lose \u2193 ?")) {
    EXPECT_NO_THROW(GlyphFor(c)) << "character code " << static_cast<unsigned>(c);
  }
}

TEST(ScriptGlyphs, RefuseCharactersTheyLack) {
  EXPECT_THROW(GlyphFor(U'Q'), std::out_of_range);
  EXPECT_THROW(RenderScriptText(U"You Quit", 200, 50), std::out_of_range);
}

struct FitCase {
  std::string name;
  std::u32string text;
  int width;
  int height;
  float margin;
};

// Names the case in failure messages instead of dumping its bytes.
void PrintTo(const FitCase& c, std::ostream* out) {
  *out << c.name;
}

class ScriptTextFit : public testing::TestWithParam<FitCase> {};

struct InkBounds {
  int left = -1;
  int top = -1;
  int right = -1;
  int bottom = -1;
};

InkBounds FindInk(const TextMask& mask) {
  InkBounds bounds{mask.width, mask.height, -1, -1};
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) {
      if (mask.CoverageAt(x, y) > 0.0F) {
        bounds.left = std::min(bounds.left, x);
        bounds.right = std::max(bounds.right, x);
        bounds.top = std::min(bounds.top, y);
        bounds.bottom = std::max(bounds.bottom, y);
      }
    }
  }
  return bounds;
}

// The text keeps its proportions, so it reaches the margin on one pair of
// opposite sides, is centred along the other, and never enters the margin.
TEST_P(ScriptTextFit, FillsTheBoxInsideItsMargin) {
  const FitCase& c = GetParam();
  ScriptStyle style;
  style.margin = c.margin;
  const TextMask mask = RenderScriptText(c.text, c.width, c.height, style);
  ASSERT_EQ(mask.coverage.size(), static_cast<std::size_t>(c.width) * c.height);
  const InkBounds ink = FindInk(mask);
  ASSERT_GE(ink.right, 0) << "nothing inked";
  const int m = static_cast<int>(c.margin);
  EXPECT_GE(ink.left, m - 1);
  EXPECT_GE(ink.top, m - 1);
  EXPECT_LE(ink.right, c.width - m);
  EXPECT_LE(ink.bottom, c.height - m);
  const int gapLeft = ink.left;
  const int gapRight = c.width - 1 - ink.right;
  const int gapTop = ink.top;
  const int gapBottom = c.height - 1 - ink.bottom;
  const bool fillsWidth = gapLeft <= m + 1 && gapRight <= m + 1;
  const bool fillsHeight = gapTop <= m + 1 && gapBottom <= m + 1;
  EXPECT_TRUE(fillsWidth || fillsHeight);
  EXPECT_LE(std::abs(gapLeft - gapRight), 2);
  EXPECT_LE(std::abs(gapTop - gapBottom), 2);
}

TEST_P(ScriptTextFit, DistanceGrowsAwayFromTheInk) {
  const FitCase& c = GetParam();
  const TextMask mask = RenderScriptText(c.text, c.width, c.height);
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      const float coverage = mask.CoverageAt(x, y);
      ASSERT_GE(coverage, 0.0F);
      ASSERT_LE(coverage, 1.0F);
      if (coverage >= 0.5F) {
        ASSERT_EQ(mask.DistanceAt(x, y), 0.0F) << "at " << x << "," << y;
      }
      if (coverage == 0.0F) {
        ASSERT_GE(mask.DistanceAt(x, y), 0.5F) << "at " << x << "," << y;
      }
    }
  }
}

const FitCase kFits[] = {
    {"WideBoxWinText", U"You Win!", 445, 105, 7.0F},
    {"WideBoxLossText", U"You Lose \u2193", 445, 105, 7.0F},
    {"TallBoxQuestionMark", U"?", 40, 40, 10.0F},
    {"NarrowBoxLongText", U"You Lose", 120, 100, 4.0F},
};

INSTANTIATE_TEST_SUITE_P(Art, ScriptTextFit, testing::ValuesIn(kFits),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace rallix::art
