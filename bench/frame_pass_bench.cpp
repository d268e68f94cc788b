// Times one pass of the first edition's match the way its frame loop runs it,
// without a window: the rules, then the match screen the game draws with (the
// background and three sprites onto the back buffer, and the flip to the
// screen surface); and the rules alone. Both report the heap allocations a
// pass makes once warmed up, which should be none.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include <vector>

#include "bench/allocation_counter.h"
#include "bench/floor/bare_redraw.h"
#include "core/key_codes.h"
#include "match/match_screen.h"
#include "rules/match_rally.h"
#include "settings/match_settings.h"

namespace rallix {
namespace {

// Ten seconds of play at 60 passes a second: every surface's blit set-up
// and every lazy table is in place before anything is counted.
constexpr int kWarmUpPasses = 600;

struct RallyStart {
  std::int32_t column = 0;
  std::int32_t ballSpeed = 0;
  std::int32_t aiSpeed = 0;
};

// The rallies a bench run goes through in turn, spread over the draws the wait
// screen can make.
constexpr std::array<RallyStart, 4> kRallyStarts{{
    {100, 4, 6},
    {420, 6, 11},
    {700, 2, 4},
    {300, 5, 8},
}};

// Steers the bottom paddle like a player following the ball and starts the
// next rally the pass one ends, so every timed pass belongs to a live rally.
class RallyPlayer {
 public:
  RallyPlayer() { StartNextRally(); }

  PassResult Pass() {
    PassInput input;
    input.lastKey = KeyTowardsBall();
    const PassResult result = rally_.Pass(input);
    if (result.end == PassEnd::Win || result.end == PassEnd::Loss) {
      ++ralliesEnded_;
      StartNextRally();
    }
    return result;
  }

  const MatchRally& Rally() const { return rally_; }
  std::uint64_t RalliesEnded() const { return ralliesEnded_; }

 private:
  // Close enough that chasing the last few pixels would only make it jitter.
  static constexpr std::int32_t kDeadZone = 8;

  std::uint8_t KeyTowardsBall() const {
    const std::int32_t ballCentre = (rally_.Ball().left + rally_.Ball().right) / 2;
    const std::int32_t paddleCentre =
        (rally_.BottomPaddle().left + rally_.BottomPaddle().right) / 2;
    if (ballCentre < paddleCentre - kDeadZone) {
      return KeyCode::LeftArrow;
    }
    if (ballCentre > paddleCentre + kDeadZone) {
      return KeyCode::RightArrow;
    }
    return KeyCode::None;
  }

  void StartNextRally() {
    const RallyStart& start = kRallyStarts[nextStart_];
    nextStart_ = (nextStart_ + 1) % kRallyStarts.size();
    rally_ = StartRally(FirstEditionSettings{start.column, start.ballSpeed, start.aiSpeed});
  }

  MatchRally rally_;
  std::size_t nextStart_ = 0;
  std::uint64_t ralliesEnded_ = 0;
};

// The first edition's match screen, with the pictures its menus write.
MatchScreen FirstEditionScreen() {
  const MatchLook look{MatchBackground::Picture, MatchBanners::WinAndLoss, MatchDisplay::Window};
  const std::vector<RecordedPicture> artwork = {
      {MatchPicture::Background, "field-background", {}},
      {MatchPicture::WinBanner, "win-banner", {}},
      {MatchPicture::LossBanner, "loss-banner", {}},
      {MatchPicture::BottomPaddle, "light-paddle", {}},
      {MatchPicture::TopPaddle, "dark-paddle", {}},
      {MatchPicture::Ball, "blue-plastic-ball", {}},
  };
  MatchScreen screen(look, MatchPictures::FromReplay(look, artwork));
  screen.FitTo(Rally::FieldWidth, Rally::FieldHeight);
  return screen;
}

// Allocations and rally ends between the two readings, per timed pass.
class PassCounters {
 public:
  explicit PassCounters(const RallyPlayer& player)
      : player_(player),
        ralliesEndedBefore_(player.RalliesEnded()),
        before_(bench::AllocationsSoFar()) {}

  void Report(benchmark::State& state) const {
    const bench::AllocationCount after = bench::AllocationsSoFar();
    state.counters["allocs_per_pass"] = PerPass(after.operatorNew - before_.operatorNew);
    if (bench::CountsCAllocations()) {
      state.counters["mallocs_per_pass"] = PerPass(after.cAllocations - before_.cAllocations);
    }
    state.counters["rally_ends_per_pass"] = PerPass(player_.RalliesEnded() - ralliesEndedBefore_);
  }

 private:
  static benchmark::Counter PerPass(std::uint64_t count) {
    return benchmark::Counter(static_cast<double>(count), benchmark::Counter::kAvgIterations);
  }

  const RallyPlayer& player_;
  std::uint64_t ralliesEndedBefore_;
  bench::AllocationCount before_;
};

void RulesPass(benchmark::State& state) {
  RallyPlayer player;
  for (int i = 0; i < kWarmUpPasses; ++i) {
    player.Pass();
  }
  const PassCounters counters(player);
  for ([[maybe_unused]] auto _ : state) {
    benchmark::DoNotOptimize(player.Pass());
  }
  counters.Report(state);
}
BENCHMARK(RulesPass);

// Times passes of a rally drawn by `draw` each pass, as the frame loop does:
// a pass that paused or ended the rally draws nothing.
template <typename Draw>
void TimeDrawnPasses(benchmark::State& state, Draw draw) {
  RallyPlayer player;
  const auto pass = [&] {
    if (player.Pass().end == PassEnd::Continue) {
      draw(player.Rally());
    }
  };
  for (int i = 0; i < kWarmUpPasses; ++i) {
    pass();
  }
  const PassCounters counters(player);
  for ([[maybe_unused]] auto _ : state) {
    pass();
  }
  counters.Report(state);
}

void FramePass(benchmark::State& state) {
  MatchScreen screen = FirstEditionScreen();
  TimeDrawnPasses(state, [&](const MatchRally& rally) {
    screen.DrawFrame(rally.BottomPaddle(), rally.TopPaddle(), rally.Ball());
  });
}
BENCHMARK(FramePass);

// The same rally drawn the way a loop with SDL2 alone would: the whole field
// every pass. FramePass is measured against this.
void BareSdlFramePass(benchmark::State& state) {
  bench::BareRedraw frame(Rally::FieldWidth, Rally::FieldHeight);
  TimeDrawnPasses(state, [&](const MatchRally& rally) {
    frame.DrawFrame(rally.Ball().left, rally.Ball().top, rally.BottomPaddle().left);
  });
}
BENCHMARK(BareSdlFramePass);

}  // namespace
}  // namespace rallix
