#include "platform/time/frame_pacer.h"

#include <gtest/gtest.h>

namespace rallix {
namespace {

using std::chrono::milliseconds;

int PassesOverOneSecond(Nanoseconds frameInterval) {
  FramePacer pacer;
  pacer.Reset(Nanoseconds{0});
  int passes = 0;
  Nanoseconds now{0};
  while (now < std::chrono::seconds(1)) {
    passes += pacer.PassesDue(now);
    now += frameInterval;
  }
  return passes;
}

TEST(FramePacer, SixtyPassesASecondWhateverTheRefreshRate) {
  for (int hz : {30, 50, 60, 75, 120, 144, 240}) {
    EXPECT_NEAR(PassesOverOneSecond(Nanoseconds(1'000'000'000 / hz)), 60, 1) << hz << " Hz";
  }
}

TEST(FramePacer, FirstPassIsDueAtOnce) {
  FramePacer pacer;
  pacer.Reset(milliseconds(500));
  EXPECT_EQ(pacer.PassesDue(milliseconds(500)), 1);
  EXPECT_EQ(pacer.PassesDue(milliseconds(510)), 0);
}

TEST(FramePacer, CatchesUpALateFrameButDropsALongStall) {
  FramePacer pacer;
  pacer.Reset(Nanoseconds{0});
  EXPECT_EQ(pacer.PassesDue(Nanoseconds{0}), 1);
  // Three frames late: all three are played so the rally keeps its speed.
  EXPECT_EQ(pacer.PassesDue(milliseconds(50)), 3);
  // Ten seconds away: not six hundred passes in one frame, just one...
  EXPECT_EQ(pacer.PassesDue(milliseconds(10'050)), 1);
  // ...and from there the count runs on as usual.
  EXPECT_EQ(pacer.PassesDue(milliseconds(10'051)), 0);
  EXPECT_EQ(pacer.PassesDue(milliseconds(10'050 + 17)), 1);
}

}  // namespace
}  // namespace rallix
