#include "core/rect.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "rules/rally_rules.h"
#include "tests/rules/rules_test_support.h"

namespace rallix {
namespace {

struct OverlapCase {
  std::string name;
  Rect a;
  Rect b;
  bool overlaps;
  Rect expected;  // all zeros when they do not overlap
};

const std::vector<OverlapCase> overlapCases = {
    {"CornersCross", {0, 0, 10, 10}, {5, 5, 15, 15}, true, {5, 5, 10, 10}},
    {"OnePixelCorner", {0, 0, 10, 10}, {9, 9, 20, 20}, true, {9, 9, 10, 10}},
    {"TouchingRightEdge", {0, 0, 10, 10}, {10, 0, 20, 10}, false, {}},
    {"TouchingBottomEdge", {0, 0, 10, 10}, {0, 10, 10, 20}, false, {}},
    {"TouchingCorner", {0, 0, 10, 10}, {10, 10, 20, 20}, false, {}},
    {"TouchingTopLeftCorner", {10, 10, 20, 20}, {0, 0, 10, 10}, false, {}},
    {"SideBySideButApartVertically", {0, 0, 10, 10}, {5, 30, 15, 40}, false, {}},
    {"FarApart", {0, 0, 10, 10}, {500, 500, 540, 540}, false, {}},
    {"Contained", {0, 0, 100, 100}, {10, 20, 30, 40}, true, {10, 20, 30, 40}},
    {"Identical", {3, 4, 43, 44}, {3, 4, 43, 44}, true, {3, 4, 43, 44}},
    {"CrossShape", {0, 10, 100, 20}, {40, 0, 50, 100}, true, {40, 10, 50, 20}},
    {"ZeroWidthInside", {0, 0, 10, 10}, {5, 2, 5, 8}, false, {}},
    {"NegativeCoordinates", {-10, -10, 0, 0}, {-5, -5, 5, 5}, true, {-5, -5, 0, 0}},
    // The walls meet in the field's corners.
    {"LeftAndTopWall", Rally::LeftWallRect, Rally::TopWallRect, true, {0, 0, 5, 1}},
    {"LeftAndBottomWall", Rally::LeftWallRect, Rally::BottomWallRect, true, {0, 599, 5, 600}},
    {"RightAndTopWall", Rally::RightWallRect, Rally::TopWallRect, true, {795, 0, 800, 1}},
    {"LeftAndRightWall", Rally::LeftWallRect, Rally::RightWallRect, false, {}},
};

class IntersectRectTest : public testing::TestWithParam<OverlapCase> {};

TEST_P(IntersectRectTest, ReportsTheOverlapEitherWayRound) {
  const OverlapCase& c = GetParam();
  for (const auto& [first, second] : {std::pair{c.a, c.b}, std::pair{c.b, c.a}}) {
    Rect hit{1, 2, 3, 4};  // stale contents must not survive
    EXPECT_EQ(IntersectRect(hit, first, second), c.overlaps);
    EXPECT_EQ(hit, c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, IntersectRectTest, testing::ValuesIn(overlapCases),
                         [](const auto& info) { return info.param.name; });

TEST(IntersectRect, ResultMayBeOneOfTheInputs) {
  Rect a{0, 0, 10, 10};
  EXPECT_TRUE(IntersectRect(a, a, Rect{5, 5, 15, 15}));
  EXPECT_EQ(a, (Rect{5, 5, 10, 10}));
}

}  // namespace
}  // namespace rallix
