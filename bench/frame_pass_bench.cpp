// Times one pass of the first edition's match the way its frame loop runs it,
// without a window: the rules, the four sprite draws onto the back buffer and
// the copy of the back buffer to the screen surface; and the rules alone. Both
// report the heap allocations a pass makes once warmed up, which should be none.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "art/artwork.h"
#include "bench/allocation_counter.h"
#include "core/key_codes.h"
#include "platform/video/display.h"
#include "rules/single_player_rally.h"

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
    SinglePlayerInput input;
    input.lastKey = KeyTowardsBall();
    const PassResult result = RunSinglePlayerPass(rally_, input);
    if (result.end == PassEnd::Win || result.end == PassEnd::Loss) {
      ++ralliesEnded_;
      StartNextRally();
    }
    return result;
  }

  const SinglePlayerRally& Rally() const { return rally_; }
  std::uint64_t RalliesEnded() const { return ralliesEnded_; }

 private:
  // Close enough that chasing the last few pixels would only make it jitter.
  static constexpr std::int32_t kDeadZone = 8;

  std::uint8_t KeyTowardsBall() const {
    const std::int32_t ballCentre = (rally_.BallRect.left + rally_.BallRect.right) / 2;
    const std::int32_t paddleCentre = (rally_.PlayerRect.left + rally_.PlayerRect.right) / 2;
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
    rally_ = SinglePlayerRally::FirstEdition(start.column, start.ballSpeed, start.aiSpeed);
  }

  SinglePlayerRally rally_;
  std::size_t nextStart_ = 0;
  std::uint64_t ralliesEnded_ = 0;
};

Surface Sprite(const Picture& picture) {
  Surface sprite = Surface::FromPicture(picture);
  sprite.SetColourKeyBlack();
  return sprite;
}

// The background tile stretched over the whole field, as the match shows it.
Surface FieldBackground() {
  Surface field = Surface::Create(Rally::FieldWidth, Rally::FieldHeight);
  field.Copy(SurfaceRect{}, Surface::FromPicture(art::FieldBackground()), SurfaceRect{});
  return field;
}

// The match's surfaces, drawn the way its frame loop draws a pass.
struct MatchPicture {
  Surface screen = Surface::Create(Rally::FieldWidth, Rally::FieldHeight);
  Surface backBuffer = Surface::Create(Rally::FieldWidth, Rally::FieldHeight);
  Surface background = FieldBackground();
  Surface playerPaddle = Sprite(art::LightPaddle());
  Surface computerPaddle = Sprite(art::DarkPaddle());
  Surface ball = Sprite(art::BluePlasticBall());

  void Draw(const SinglePlayerRally& rally) {
    const SurfaceRect whole{};
    backBuffer.DrawSprite(0, 0, background, whole, SpriteDraw::Opaque);
    backBuffer.DrawSprite(rally.PlayerRect.left, rally.PlayerRect.top, playerPaddle, whole,
                          SpriteDraw::SourceColourKey);
    backBuffer.DrawSprite(rally.AIRect.left, rally.AIRect.top, computerPaddle, whole,
                          SpriteDraw::SourceColourKey);
    backBuffer.DrawSprite(rally.BallRect.left, rally.BallRect.top, ball, whole,
                          SpriteDraw::SourceColourKey);
    screen.Copy(SurfaceRect{0, 0, Rally::FieldWidth, Rally::FieldHeight}, backBuffer, whole);
  }
};

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

void FramePass(benchmark::State& state) {
  MatchPicture picture;
  RallyPlayer player;
  // As the frame loop does: a pass that paused or ended the rally draws nothing.
  const auto pass = [&] {
    if (player.Pass().end == PassEnd::Continue) {
      picture.Draw(player.Rally());
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
BENCHMARK(FramePass);

}  // namespace
}  // namespace rallix
