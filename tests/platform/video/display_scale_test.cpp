// The one scale a program draws at, from what the player and the desktop say.

#include "platform/video/display_scale.h"

#include <gtest/gtest.h>

namespace rallix {
namespace {

struct ScaleCase {
  const char* what;
  DisplayScaleHints hints;
  int scale;
  bool warned;
};

const std::string kHiDpiResources = "Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n";

class DisplayScaleChoice : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(DisplayScaleChoice, TakesTheFirstHintThatMakesSense) {
  const ScaleCase& c = GetParam();
  const DisplayScale chosen = ChooseDisplayScale(c.hints);
  EXPECT_EQ(chosen.scale, c.scale) << c.what;
  EXPECT_EQ(!chosen.warning.empty(), c.warned) << c.what << ": " << chosen.warning;
}

INSTANTIATE_TEST_SUITE_P(
    Hints, DisplayScaleChoice,
    ::testing::Values(
        ScaleCase{"nothing said", {}, 1, false},
        ScaleCase{"the player over the desktop", {"3", "2", kHiDpiResources, 2}, 3, false},
        ScaleCase{"the player's 0", {"0", {}, kHiDpiResources, 1}, 2, true},
        ScaleCase{"the player's 5", {"5", {}, {}, 1}, 1, true},
        ScaleCase{"the player's -2", {"-2", {}, {}, 1}, 1, true},
        ScaleCase{"the player's 2x", {"2x", "2", {}, 1}, 2, true},
        ScaleCase{"GDK_SCALE over Xft.dpi", {{}, "1", kHiDpiResources, 1}, 1, false},
        ScaleCase{"GDK_SCALE nonsense", {{}, "big", kHiDpiResources, 1}, 2, false},
        ScaleCase{"Xft.dpi 192", {{}, {}, kHiDpiResources, 1}, 2, false},
        ScaleCase{"Xft.dpi 144 rounds up", {{}, {}, "Xft.dpi: 144\n", 1}, 2, false},
        ScaleCase{"Xft.dpi 120 rounds down", {{}, {}, "Xft.dpi:\t120", 1}, 1, false},
        ScaleCase{"Xft.dpi 96", {{}, {}, "Xft.dpi:\t96\n", 3}, 1, false},
        ScaleCase{"Xft.dpi 960 at most 4", {{}, {}, "Xft.dpi:\t960\n", 1}, 4, false},
        ScaleCase{"Xft.dpi nonsense", {{}, {}, "Xft.dpi:\tlots\n", 2}, 2, false},
        ScaleCase{"other resources only", {{}, {}, "Xcursor.size: 48\n", 1}, 1, false},
        ScaleCase{"the window's own ratio", {{}, {}, {}, 2}, 2, false},
        ScaleCase{"a page at 1.25", {{}, {}, {}, 1.25}, 1, false}));

}  // namespace
}  // namespace rallix
