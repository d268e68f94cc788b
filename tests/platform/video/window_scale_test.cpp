// The window at scale 2: each form pixel a 2 x 2 square of screen pixels,
// and the mouse read back in form pixels.

#include <gtest/gtest.h>

#include "platform/forms/runtime.h"
#include "platform/video/display.h"
#include "tests/support/manual_clock.h"

namespace rallix {
namespace {

constexpr Rgb kRed{255, 0, 0};

struct RuntimeAtScale2 {
  ManualClock clock;
  FormsRuntime runtime{RuntimeOptions{.clock = &clock, .headless = true, .scale = 2}};
};

TEST(WindowAtScale, AFieldPixelIsASquareOfScreenPixels) {
  RuntimeAtScale2 headless;
  GameWindow& window = headless.runtime.Window();
  Surface field = Surface::Create(4, 3);
  field.Fill({1, 1, 2, 2}, kRed);
  window.BeginFrame(Rgb{0, 0, 0});
  window.DrawSurface(field, {});
  const Picture frame = window.ReadPixels();
  ASSERT_EQ(frame.width, window.Width() * 2);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool inside = x / 2 == 1 && y / 2 == 1;
      EXPECT_EQ(frame.At(x, y) == kRed, inside) << x << ", " << y;
    }
  }
}

TEST(WindowAtScale, TheMouseIsReadInFormPixels) {
  RuntimeAtScale2 headless;
  GameWindow& window = headless.runtime.Window();
  EXPECT_EQ(window.FormPointAt(5, 8), (SurfacePoint{2, 4}));
  EXPECT_EQ(window.WindowAreaOf({1, 2, 3, 4}), (SurfaceRect{2, 4, 6, 8}));
  // Half a form pixel at a time still steers, and back undoes forth.
  const int motions[] = {1, 1, 1, -1, -1, -1, -3};
  const int steered[] = {0, 1, 0, 0, -1, 0, -2};
  for (std::size_t i = 0; i < std::size(motions); ++i) {
    EXPECT_EQ(window.FormMotion(motions[i], 0).x, steered[i]) << "motion " << i;
  }
}

}  // namespace
}  // namespace rallix
