// Two sessions exchanging readings through a link of the test's own, every
// pass they confirm checked against one machine playing the recorded inputs
// straight through; then the stall and the hit sound across corrections.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/key_codes.h"
#include "net/rally_checksum.h"
#include "net/rollback_session.h"
#include "rules/two_player_rally.h"

namespace rallix {
namespace {

MatchRally NetRally(SteeringDevice player2 = SteeringDevice::Keyboard) {
  TwoPlayerRally r = TwoPlayerRally::Start(5, SteeringDevice::Keyboard, player2);
  r.TwoMachines = true;
  return MatchRally(r);
}

// A player who steers to where the ball will be kReadAhead passes on, fumbles a
// key now and then, taps Pause once in a while (and again soon, to resume) and
// very rarely leaves with Esc. The mouse, which keyboard steering ignores,
// jitters, so nearly every prediction of this player misses.
constexpr int kRolls = 10000, kFumbles = 2000, kPauses = 30, kResumes = 500, kReadAhead = 15,
              kJitter = 19;

PlayerReading NextReading(std::mt19937& random, const MatchRally& seen, bool bottom) {
  const int roll = std::uniform_int_distribution<int>(0, kRolls - 1)(random);
  PlayerReading reading{.mouseX = static_cast<float>(roll % kJitter)};
  const Rect& paddle = bottom ? seen.BottomPaddle() : seen.TopPaddle();
  const int ahead =
      seen.Ball().left + seen.BallSteps().dx * kReadAhead - paddle.left - Rally::PaddleWidth / 2;
  constexpr std::uint8_t keys[] = {KeyCode::None, KeyCode::LeftArrow, KeyCode::RightArrow};
  if (roll < kFumbles) {
    reading.lastKey = keys[roll % 3];
  } else if (roll < kFumbles + (seen.TwoPlayers()->Paused ? kResumes : kPauses)) {
    reading.lastKey = KeyCode::Pause;
  } else if (roll == kRolls - 1) {
    reading.lastKey = KeyCode::Escape;
  } else if (std::abs(ahead) > Rally::PaddleStep) {
    reading.lastKey = ahead < 0 ? KeyCode::LeftArrow : KeyCode::RightArrow;
  }
  return reading;
}

constexpr int kNever = std::numeric_limits<int>::max();

struct LinkCase {
  const char* name;
  int matches, delay;
  double maxLoss;              // each match loses a share of packets up to this
  int minLatency, maxLatency;  // in ticks
  int fastEvery = kNever;      // the host's clock runs a second frame every this many ticks
  bool hostile = false;        // junk comes with the guest's packets
  friend void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }
};

// Plays and checks one match between two sessions; returns the host's record.
std::vector<PassInput> PlayOverLink(const LinkCase& c, int seed, bool hostile) {
  SCOPED_TRACE(testing::Message() << c.name << " match " << seed);
  constexpr int kTicks = 20000;
  constexpr PassNumber kFar = std::numeric_limits<PassNumber>::max();
  std::mt19937 random(seed);
  const double loss = std::uniform_real_distribution<double>(0, c.maxLoss)(random);
  std::uniform_int_distribution<int> latency(c.minLatency, c.maxLatency);
  RollbackSession sessions[] = {{NetRally(), Side::Host, c.delay},
                                {NetRally(), Side::Guest, c.delay}};
  std::multimap<int, std::function<void()>> inFlight;  // deliveries by the tick they arrive
  PlayerReading readings[2];
  int replayed = 0, stalls = 0;
  MatchRally straight = NetRally();
  PassNumber checked = 0;
  std::optional<RallyEnd> end;
  for (int tick = 0; tick < kTicks && !(sessions[0].End() && sessions[1].End()); ++tick) {
    for (; !inFlight.empty() && inFlight.begin()->first <= tick; inFlight.erase(inFlight.begin())) {
      inFlight.begin()->second();
    }
    for (int i = 0; i < 2; ++i) {
      RollbackSession& s = sessions[i];
      const bool fast = i == 0 && tick % c.fastEvery == c.fastEvery - 1;
      for (int frame = fast ? 0 : 1; frame < 2; ++frame) {
        if (s.ReadyForPass()) {
          readings[i] = NextReading(random, s.Rally(), i == 0);
        }
        const FrameResult result = s.AdvanceFrame(readings[i]);
        replayed += result.passesReplayed;
        stalls += result.wait == FrameWait::Stalled;
      }
      if (std::bernoulli_distribution(loss)(random)) {
        continue;
      }
      inFlight.emplace(
          tick + latency(random),
          [&to = sessions[1 - i], junk = hostile && i == 1, run = s.UnacknowledgedReadings(),
           ack = s.LastRemotePassHeld(), advantage = s.LocalAdvantage()] {
            to.AddRemoteReadings(run.firstPass, run.readings);
            if (junk) {  // changed repeats, passes far off, a wild acknowledgement
              for (const PassNumber first : {run.firstPass, -kFar, kFar, to.NextPass() + kTicks}) {
                to.AddRemoteReadings(
                    first, std::vector(run.readings.size(), PlayerReading{KeyCode::Escape}));
              }
              to.Acknowledge(kFar);
            }
            to.Acknowledge(ack);
            to.SetRemoteAdvantage(advantage);
          });
    }
    // Each pass the host confirms against one machine playing its record through.
    for (; checked < std::ssize(sessions[0].ConfirmedInputs()) && !end; ++checked) {
      const PassEnd passEnd = straight.Pass(sessions[0].ConfirmedInputs()[checked]).end;
      end = EndsTheRally(passEnd) ? std::optional(RallyEnd{passEnd, checked}) : std::nullopt;
      EXPECT_EQ(sessions[0].CheckRemoteChecksum(checked, RallyChecksum(straight)),
                Agreement::Agrees)
          << "pass " << checked;
    }
  }
  const std::vector<PassInput>& recorded = sessions[0].ConfirmedInputs();
  EXPECT_TRUE(end && sessions[0].End() == end && sessions[1].End() == end);
  EXPECT_EQ(recorded, sessions[1].ConfirmedInputs());
  // A link slower than the input delay corrects nearly every pass on both.
  EXPECT_GE(replayed, std::ssize(recorded) * std::max(0, c.minLatency - c.delay));
  // The machine ahead sleeps single passes rather than run into a stall.
  EXPECT_TRUE(stalls == 0 || c.fastEvery == kNever);
  return recorded;
}

class TwoSessionsTest : public testing::TestWithParam<LinkCase> {};

TEST_P(TwoSessionsTest, EndAlikeOnTheInputsBothRecordAsAStraightRunDoes) {
  const LinkCase& c = GetParam();
  for (int seed = 0; seed < c.matches; ++seed) {
    const std::vector<PassInput> recorded = PlayOverLink(c, seed, c.hostile);
    if (c.hostile) {
      EXPECT_EQ(recorded, PlayOverLink(c, seed, false)) << "match " << seed;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Links, TwoSessionsTest,
                         testing::Values(LinkCase{"EveryPassAPassLate", 10, 0, 0, 1, 1},
                                         LinkCase{"EveryPassEightPassesLate", 10, 2, 0, 10, 10},
                                         LinkCase{"LossyLateReordering", 100, 2, 0.3, 1, 12},
                                         LinkCase{"OneClockFast", 20, 2, 0, 1, 3, 10},
                                         LinkCase{"HostileGuest", 20, 2, 0.2, 1, 6, kNever, true}),
                         testing::PrintToStringParamName());

TEST(RollbackSession, StallsEightPassesPastTheLastRemoteReading) {
  for (const int delay : {0, 2, 5}) {
    RollbackSession session(NetRally(), Side::Guest, delay);
    session.SetRemoteAdvantage(RollbackSession::kRemoteWindow);  // no sleeping
    for (int frame = 0; frame < 30; ++frame) {
      session.AdvanceFrame({});
    }
    EXPECT_EQ(session.NextPass(), delay + RollbackSession::kSavedStates);
    session.AddRemoteReadings(delay, std::vector<PlayerReading>(1));
    EXPECT_EQ(session.AdvanceFrame({}).passesRun, 1);
    EXPECT_EQ(session.AdvanceFrame({}).wait, FrameWait::Stalled);
  }
}

// The ball at (220, 50) flies straight up past the top paddle at 2..212 unless
// the top player's mouse moves it 20 pixels right on pass 0: then it hits on
// pass 1. Frame by frame: the top player's next reading to arrive (R: right,
// S: still, L: far left), and whether the frame sounds a hit (H).
TEST(RollbackSession, SoundsEachHitOnceAcrossCorrections) {
  const std::map<char, PlayerReading> readingOf{
      {'R', {.mouseX = 40}}, {'S', {}}, {'L', {.mouseX = -100}}};
  const std::pair<std::string, std::string> cases[] = {
      {"...R.", "...H."},  // a hit seen only once corrected
      {"...RS", "...H."},  // a hit played again
      {".R.L.", ".H..."},  // a hit corrected away
  };
  for (const auto& [arrivals, sounds] : cases) {
    TwoPlayerRally r = *NetRally(SteeringDevice::Mouse).TwoPlayers();
    r.Player2Rect = {2, 5, 212, 45};
    r.BallRect = {220, 50, 260, 90};
    r.Ball = {0, -5};
    RollbackSession session(MatchRally(r), Side::Host, 0);
    session.SetRemoteAdvantage(RollbackSession::kRemoteWindow);  // no sleeping
    PassNumber arrived = 0;
    for (std::size_t frame = 0; frame < sounds.size(); ++frame) {
      if (readingOf.contains(arrivals[frame])) {
        session.AddRemoteReadings(arrived++, {&readingOf.at(arrivals[frame]), 1});
      }
      EXPECT_EQ(session.AdvanceFrame({}).hitSound, sounds[frame] == 'H') << arrivals << frame;
    }
  }
}

}  // namespace
}  // namespace rallix
