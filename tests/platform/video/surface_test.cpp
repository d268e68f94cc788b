#include "platform/video/display.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <filesystem>
#include <fstream>

#include "core/errors.h"
#include "platform/files/picture_file.h"
#include "tests/platform/files/bitmap_test_files.h"

namespace rallix {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kGreen{0, 200, 0};

// A 4 x 4 sprite: a green square with a black (transparent) border.
Picture FramedSquare() {
  Picture p(4, 4, kTransparentBlack);
  for (int y = 1; y < 3; ++y) {
    for (int x = 1; x < 3; ++x) {
      p.At(x, y) = kGreen;
    }
  }
  return p;
}

TEST(Surface, ColourKeyedSpriteLeavesTheTargetUnderItsBlackPixels) {
  Surface target = Surface::Create(8, 8);
  target.Fill(SurfaceRect{}, kWhite);
  Surface sprite = Surface::FromPicture(FramedSquare());
  sprite.SetColourKeyBlack();
  target.DrawSprite(2, 2, sprite, SurfaceRect{}, SpriteDraw::SourceColourKey);
  EXPECT_EQ(target.PixelAt(2, 2), kWhite) << "black border drawn";
  EXPECT_EQ(target.PixelAt(3, 3), kGreen);
  EXPECT_EQ(target.PixelAt(4, 4), kGreen);
  EXPECT_EQ(target.PixelAt(5, 5), kWhite);

  target.DrawSprite(2, 2, sprite, SurfaceRect{}, SpriteDraw::Opaque);
  EXPECT_EQ(target.PixelAt(2, 2), kTransparentBlack) << "an opaque draw copies black too";
}

TEST(Surface, SpritesPastAnyEdgeAreClippedNotAnError) {
  Surface target = Surface::Create(8, 8);
  Surface sprite = Surface::FromPicture(Picture(4, 4, kGreen));
  for (auto [x, y] : {std::pair{-3, 0}, {6, 6}, {-2, -2}, {7, -3}, {100, 100}, {-100, 3}}) {
    EXPECT_NO_THROW(target.DrawSprite(x, y, sprite, SurfaceRect{}, SpriteDraw::Opaque))
        << x << ", " << y;
  }
  EXPECT_EQ(target.PixelAt(0, 0), kGreen);
  EXPECT_EQ(target.PixelAt(7, 7), kGreen);
}

TEST(Surface, LoadsABitmapAtTheSizeAskedForKeepingExactBlack) {
  const auto file = std::filesystem::temp_directory_path() / "rallix-surface-test.bmp";
  Picture big(95, 95, kGreen);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) {
      big.At(x, y) = kTransparentBlack;  // a corner that must stay see-through
    }
  }
  SavePicture(big, file);
  const Surface ball = Surface::LoadBitmap(file, 40, 40);
  std::filesystem::remove(file);
  EXPECT_EQ(ball.Width(), 40);
  EXPECT_EQ(ball.Height(), 40);
  EXPECT_EQ(ball.PixelAt(0, 0), kTransparentBlack);
  EXPECT_EQ(ball.PixelAt(20, 20), kGreen);
}

TEST(Surface, AMissingBitmapNamesTheFile) {
  try {
    Surface::LoadBitmap("no-such-picture.bmp", 40, 40);
    FAIL() << "loaded a missing file";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Number(), ErrorNumber::FileNotFound);
    EXPECT_NE(e.Description().find("no-such-picture.bmp"), std::string::npos);
  }
}

TEST(Surface, RefusesABitmapPastTheLargestSideAndLoadsATopDownOneTheRightWayUp) {
  const auto file = std::filesystem::temp_directory_path() / "rallix-surface-size-test.bmp";
  // Every pixel is there: only the size check can turn it down.
  std::ofstream(file, std::ios::binary) << testing::BitmapFile(
      testing::BitmapHeaderKind::Info40, 8193, 1, testing::BlackPixelBytes(8193, 1));
  try {
    Surface::LoadBitmap(file, 40, 40);
    ADD_FAILURE() << "loaded a picture 8193 pixels wide";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Number(), ErrorNumber::InvalidPicture);
    EXPECT_NE(e.Description().find(file.string()), std::string::npos) << e.Description();
  }

  Picture greenOverWhite(3, 2, kWhite);
  greenOverWhite.At(0, 0) = greenOverWhite.At(1, 0) = greenOverWhite.At(2, 0) = kGreen;
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      << testing::TopDownBitmapFile(greenOverWhite);
  const Surface loaded = Surface::LoadBitmap(file, 3, 2);
  std::filesystem::remove(file);
  EXPECT_TRUE(loaded.ToPicture().pixels == greenOverWhite.pixels);
}

TEST(Surface, TracksThePatchesThatChanged) {
  Surface s = Surface::Create(100, 100);
  EXPECT_EQ(s.TakeDirtyRegion().Rects().size(), 1u) << "a new surface is all new";
  EXPECT_TRUE(s.TakeDirtyRegion().Empty());
  s.Fill(SurfaceRect{10, 10, 20, 20}, kWhite);
  s.Fill(SurfaceRect{50, 60, 55, 70}, kWhite);
  s.Fill(SurfaceRect{90, 90, 130, 130}, kWhite);
  const DirtyRegion region = s.TakeDirtyRegion();
  ASSERT_EQ(region.Rects().size(), 3u) << "apart, they stay apart";
  EXPECT_EQ(region.Rects()[2], (SurfaceRect{90, 90, 100, 100})) << "cut to the surface";
}

struct RegionCase {
  const char* what;
  std::vector<SurfaceRect> added;
  std::vector<SurfaceRect> expected;
};

TEST(DirtyRegionTable, MergesWhatOverlapsOrTouchesAndNeverDropsAnything) {
  const std::vector<RegionCase> cases{
      {"overlapping", {{0, 0, 10, 10}, {5, 5, 20, 20}}, {{0, 0, 20, 20}}},
      {"side by side", {{0, 0, 10, 10}, {10, 0, 20, 10}}, {{0, 0, 20, 10}}},
      {"a bridge joins two", {{0, 0, 10, 10}, {30, 0, 40, 10}, {5, 0, 35, 5}}, {{0, 0, 40, 10}}},
      {"empty ones ignored", {{5, 5, 5, 9}, {3, 3, 4, 4}}, {{3, 3, 4, 4}}},
  };
  for (const RegionCase& c : cases) {
    DirtyRegion region;
    for (const SurfaceRect& r : c.added) {
      region.Add(r);
    }
    EXPECT_EQ(std::vector<SurfaceRect>(region.Rects().begin(), region.Rects().end()), c.expected)
        << c.what;
  }
  // Past its capacity it grows a rectangle rather than forgetting one.
  DirtyRegion full;
  for (int i = 0; i < static_cast<int>(DirtyRegion::kMaxRects) + 3; ++i) {
    full.Add(SurfaceRect{i * 20, 0, i * 20 + 5, 5});
  }
  EXPECT_EQ(full.Rects().size(), DirtyRegion::kMaxRects);
  for (int i = 0; i < static_cast<int>(DirtyRegion::kMaxRects) + 3; ++i) {
    const bool covered = std::any_of(full.Rects().begin(), full.Rects().end(), [i](auto r) {
      return r.left <= i * 20 && r.right >= i * 20 + 5 && r.top <= 0 && r.bottom >= 5;
    });
    EXPECT_TRUE(covered) << "patch " << i << " was dropped";
  }
}

}  // namespace
}  // namespace rallix
