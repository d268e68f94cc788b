// rally-trace on scripts whose traces were worked out by hand from the rules,
// not taken from the tool's own output.

#include "tools/rally_trace_lib.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace rallix {
namespace {

struct TraceRun {
  TraceStatus status;
  std::string trace;
  std::string errors;
};

TraceRun Trace(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  std::ostringstream err;
  const TraceStatus status = RunRallyTrace(in, out, err);
  return {status, out.str(), err.str()};
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) {
    joined += line + "\n";
  }
  return joined;
}

std::string Repeat(const std::string& line, int times) {
  std::string repeated;
  for (int i = 0; i < times; ++i) {
    repeated += line + "\n";
  }
  return repeated;
}

// First edition, X = 100, BallSpeed 5, AISpeed 4: ball (100,0,140,40) moving
// (5,5), player 33, computer 33..238.
//  1: ball -> (105,5). Computer: 105 < 33+100, so 29 (right 234). The ball's
//     rows 5..45 and columns 105..145 lie on the computer's 29..234 x 5..45:
//     top, dy = +5.
//  2: ball (110,10); 110 < 129: computer 25..230; still overlapping: top.
//  3: Left: player 29. Ball (115,15); 115 < 125: computer 21..226; top.
//  4: Right: player 33. Ball (120,20); 120 < 121: computer 17..222; top.
//  5-8: ball (125,25) .. (140,40); 125 and more is not < 117 and not > 227,
//     so the computer holds; rows still meet 5..45 (40 < 45): top.
//  9: ball (145,45): its top 45 only touches the computer's bottom 45: -.
TEST(RallyTrace, FirstEditionOpeningPasses) {
  const TraceRun run = Trace("one 5 4 100\n0\n0\n203\n205\n0\n0\n0\n0\n0\n");
  EXPECT_EQ(run.status, TraceStatus::Finished);
  EXPECT_EQ(run.trace, Lines({
                           "1 105 5 5 5 33 29 234 top",
                           "2 110 10 5 5 33 25 230 top",
                           "3 115 15 5 5 29 21 226 top",
                           "4 120 20 5 5 33 17 222 top",
                           "5 125 25 5 5 33 17 222 top",
                           "6 130 30 5 5 33 17 222 top",
                           "7 135 35 5 5 33 17 222 top",
                           "8 140 40 5 5 33 17 222 top",
                           "9 145 45 5 5 33 17 222 -",
                       }));
  EXPECT_EQ(run.errors, "");
}

// Esc on pass 2 changes nothing and ends the trace: the third line is not read.
TEST(RallyTrace, EscapeEndsWithNothingMoved) {
  const TraceRun run = Trace("one 5 4 100\n0\n1\n0\n");
  EXPECT_EQ(run.status, TraceStatus::Finished);
  EXPECT_EQ(run.trace, Lines({
                           "1 105 5 5 5 33 29 234 top",
                           "2 105 5 5 5 33 29 234 esc",
                       }));
}

// Full game, X = 100, BallSpeed 5, AISpeed 4: player 161.
//  1: Pause: paused, nothing moves.  2: Left while paused: player 157 only.
//  3: Pause again: play resumes in this very pass, as pass 1 above would
//     (ball (105,5), computer 29..234, top).  4: ball (110,10), computer 25.
TEST(RallyTrace, PauseThenPauseAgain) {
  const TraceRun run = Trace("sp 5 4 100\n197\n203\n197\n0\n");
  EXPECT_EQ(run.status, TraceStatus::Finished);
  EXPECT_EQ(run.trace, Lines({
                           "1 100 0 5 5 161 33 238 paused",
                           "2 100 0 5 5 157 33 238 paused",
                           "3 105 5 5 5 157 29 234 top",
                           "4 110 10 5 5 157 25 230 top",
                       }));
}

// First edition, X = 750, BallSpeed 10, AISpeed 0.
//  1: ball (760,10..800,50) overlaps the right wall 795..800: dx = -10. The
//     computer, asked to step 0, stays at 33..238.
//  2: ball (750,20..790,60): 790 only reaches 795, nothing: -.
TEST(RallyTrace, RightWall) {
  const TraceRun run = Trace("one 10 0 750\n0\n0\n");
  EXPECT_EQ(run.trace, Lines({
                           "1 760 10 -10 10 33 33 238 right",
                           "2 750 20 -10 10 33 33 238 -",
                       }));
}

// Full game, X = 720, BallSpeed 40, AISpeed 0, Left held for 13 passes.
//  1: ball (760,40) meets the right wall: dx = -40. Player 157.
//  2-12: ball 40 left and 40 down a pass, player 4 left a pass: (320,480) and
//     113 on pass 12, the ball's bottom 520 still above the paddle's 550.
//  13: player 109..319, ball (280,520..320,560): rows 550..560 meet and
//     columns 280..319 meet; 319-40 = 279 < 280 < 319: the right end, (6,-6).
//  14: ball (286,514..326,554) still reaches row 550: the right end again.
//  15: ball (292,508..332,548) is clear: -.
TEST(RallyTrace, PaddleRightEndRebound) {
  const TraceRun run = Trace("sp 40 0 720\n" + Repeat("203", 13) + "0\n0\n");
  EXPECT_EQ(run.trace, Lines({
                           "1 760 40 -40 40 157 33 238 right",
                           "2 720 80 -40 40 153 33 238 -",
                           "3 680 120 -40 40 149 33 238 -",
                           "4 640 160 -40 40 145 33 238 -",
                           "5 600 200 -40 40 141 33 238 -",
                           "6 560 240 -40 40 137 33 238 -",
                           "7 520 280 -40 40 133 33 238 -",
                           "8 480 320 -40 40 129 33 238 -",
                           "9 440 360 -40 40 125 33 238 -",
                           "10 400 400 -40 40 121 33 238 -",
                           "11 360 440 -40 40 117 33 238 -",
                           "12 320 480 -40 40 113 33 238 -",
                           "13 280 520 6 -6 109 33 238 player",
                           "14 286 514 6 -6 109 33 238 player",
                           "15 292 508 6 -6 109 33 238 -",
                       }));
}

// The same ball in the first edition with Left held: the player reaches 1 on
// pass 8 and stays; on pass 14 the ball (240,560..280,600) misses 1..211 and
// meets the bottom edge. The trace stops there and never reads the bad line.
TEST(RallyTrace, LossStopsTheTrace) {
  const TraceRun run = Trace("one 40 0 720\n" + Repeat("203", 14) + "not a key\n");
  EXPECT_EQ(run.status, TraceStatus::Finished);
  EXPECT_EQ(run.trace, Lines({
                           "1 760 40 -40 40 29 33 238 right",
                           "2 720 80 -40 40 25 33 238 -",
                           "3 680 120 -40 40 21 33 238 -",
                           "4 640 160 -40 40 17 33 238 -",
                           "5 600 200 -40 40 13 33 238 -",
                           "6 560 240 -40 40 9 33 238 -",
                           "7 520 280 -40 40 5 33 238 -",
                           "8 480 320 -40 40 1 33 238 -",
                           "9 440 360 -40 40 1 33 238 -",
                           "10 400 400 -40 40 1 33 238 -",
                           "11 360 440 -40 40 1 33 238 -",
                           "12 320 480 -40 40 1 33 238 -",
                           "13 280 520 -40 40 1 33 238 -",
                           "14 240 560 -40 40 1 33 238 loss",
                       }));
  EXPECT_EQ(run.errors, "");
}

TEST(RallyTrace, BlankLinesAreNotPasses) {
  const TraceRun run = Trace("\n  \none 10 0 750\r\n\n0\r\n \t \n0\n\n");
  EXPECT_EQ(run.status, TraceStatus::Finished);
  EXPECT_EQ(run.trace, Lines({
                           "1 760 10 -10 10 33 33 238 right",
                           "2 750 20 -10 10 33 33 238 -",
                       }));
}

TEST(RallyTrace, StartLineAloneTracesNothing) {
  const TraceRun run = Trace("sp 5 4 100\n");
  EXPECT_EQ(run.status, TraceStatus::Finished);
  EXPECT_EQ(run.trace, "");
  EXPECT_EQ(run.errors, "");
}

// A ball fast enough to step over a wall leaves for good; the trace says so
// instead of running its coordinates past 32 bits. At 100000 a pass from
// column 400 its left edge is 1000000400, past 1000000000, after pass 10000,
// so the line of pass 10001 (line 10002) is where it stops.
TEST(RallyTrace, BallThatFliesOffIsReported) {
  const TraceRun run = Trace("one 100000 0 400\n" + Repeat("0", 10005));
  EXPECT_EQ(run.status, TraceStatus::BallFlewOff);
  EXPECT_NE(run.trace.find("\n10000 1000000400 1000000000 100000 100000 33 33 238 -\n"),
            std::string::npos);
  EXPECT_EQ(run.trace.find("\n10001 "), std::string::npos);
  EXPECT_NE(run.errors.find("line 10002:"), std::string::npos) << run.errors;
}

struct BadScript {
  std::string name;
  std::string script;
  std::string expectedTrace;  // the passes before the bad line
  std::string messagePart;
};

class RallyTraceBadInputTest : public testing::TestWithParam<BadScript> {};

TEST_P(RallyTraceBadInputTest, NamesTheLine) {
  const BadScript& c = GetParam();
  const TraceRun run = Trace(c.script);
  EXPECT_EQ(run.status, TraceStatus::BadInput);
  EXPECT_EQ(run.trace, c.expectedTrace);
  EXPECT_NE(run.errors.find(c.messagePart), std::string::npos) << run.errors;
  EXPECT_EQ(run.errors.back(), '\n');
}

const std::string firstPass = "1 105 5 5 5 33 29 234 top\n";

INSTANTIATE_TEST_SUITE_P(
    Table, RallyTraceBadInputTest,
    testing::ValuesIn(std::vector<BadScript>{
        {"Empty", "", "", "empty"},
        {"OnlyBlankLines", "\n \n\n", "", "empty"},
        {"UnknownForm", "two 5 4 100\n0\n", "", "line 1: unknown FORM \"two\""},
        {"FormInCapitals", "ONE 5 4 100\n0\n", "", "line 1: unknown FORM"},
        {"MissingField", "one 5 4\n0\n", "", "line 1: expected \"FORM BallSpeed AISpeed X\""},
        {"ExtraField", "one 5 4 100 7\n0\n", "", "line 1:"},
        {"WordForBallSpeed", "one five 4 100\n", "", "line 1: BallSpeed"},
        {"NegativeAISpeed", "one 5 -4 100\n", "", "line 1: AISpeed"},
        {"FractionForAISpeed", "one 5 4.5 100\n", "", "line 1: AISpeed"},
        {"JunkAfterX", "one 5 4 1x00\n", "", "line 1: X"},
        {"HugeX", "one 5 4 99999999999999999999\n", "", "line 1: X"},
        {"StartLineAfterBlanks", "\n\nsp 5 4\n", "", "line 3:"},
        {"KeyTooLarge", "one 5 4 100\n0\n256\n", firstPass, "line 3: expected one key code"},
        {"NegativeKey", "one 5 4 100\n-1\n", "", "line 2:"},
        {"KeyWithPlusSign", "one 5 4 100\n+5\n", "", "line 2:"},
        {"WordForKey", "one 5 4 100\nleft\n", "", "line 2:"},
        {"FractionForKey", "one 5 4 100\n1.5\n", "", "line 2:"},
        {"TwoKeysOnALine", "one 5 4 100\n203 205\n", "", "line 2:"},
        {"BlankLinesCountInLineNumbers", "one 5 4 100\n0\n\n\nx\n", firstPass, "line 5:"},
    }),
    [](const auto& info) { return info.param.name; });

TEST(RallyTrace, UsageDescribesTheFormats) {
  std::ostringstream usage;
  PrintRallyTraceUsage(usage);
  for (const char* part : {"FORM BallSpeed AISpeed X", "one", "sp", "Blank lines are skipped",
                           "PASS BallLeft BallTop BallDX BallDY PlayerLeft AILeft AIRight OUTCOME",
                           "player, top, right, left, win, loss", "esc", "paused"}) {
    EXPECT_NE(usage.str().find(part), std::string::npos) << part;
  }
}

}  // namespace
}  // namespace rallix
