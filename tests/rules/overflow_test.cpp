// Values a hand-edited settings file may hold, and the rally they start: any
// sum that leaves 32 bits raises run-time error 6, never wraps round.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/errors.h"
#include "rules/match_rally.h"

namespace rallix {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// Runs passes with no key held until the rally ends or an error is raised.
void PlayOut(MatchRally rally) {
  for (int pass = 0; pass < 1000; ++pass) {
    if (EndsTheRally(rally.Pass(PassInput{}).end)) {
      return;
    }
  }
}

struct OverflowCase {
  std::string name;
  std::function<void()> play;
};

class RallyOverflow : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(RallyOverflow, RaisesRunTimeErrorSix) {
  try {
    GetParam().play();
    ADD_FAILURE() << "no error";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), ErrorNumber::Overflow);
    EXPECT_EQ(error.Description(), "Overflow");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RallyOverflow,
    ::testing::ValuesIn(std::vector<OverflowCase>{
        {"BallStartsPastTheLastColumn", [] { SinglePlayerRally::FirstEdition(kMax, 5, 4); }},
        {"BallSpeedCarriesTheBallOutOf32Bits",
         [] { PlayOut(MatchRally(SinglePlayerRally::FirstEdition(0, kMax, 4))); }},
        {"ReboundFromTheLowestSpeed", [] { PlayOut(MatchRally(TwoPlayerRally::Start(kMin))); }},
        {"ComputerSpeedCarriesItsPaddleOut",
         [] { PlayOut(MatchRally(SinglePlayerRally::FullGame(700, 1, kMax))); }},
        {"ComputerSpeedThatCannotTurnRound",
         [] { PlayOut(MatchRally(SinglePlayerRally::FullGame(0, 1, kMin))); }},
    }),
    [](const auto& info) { return info.param.name; });

TEST(RallyOverflow, SixteenBitExtremesPlayWithoutOverflow) {
  for (const std::int32_t speed : {32767, -32768}) {
    EXPECT_NO_THROW(PlayOut(MatchRally(SinglePlayerRally::FullGame(32767, speed, speed))));
    EXPECT_NO_THROW(PlayOut(MatchRally(TwoPlayerRally::Start(speed))));
  }
}

}  // namespace
}  // namespace rallix
