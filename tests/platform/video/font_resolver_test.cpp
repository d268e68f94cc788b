#include "platform/video/font_resolver.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace rallix {
namespace {

TEST(FontResolver, EveryFaceTheScreensNameResolvesToAnInstalledFile) {
  for (const char* family : {"Comic Sans MS", "Papyrus", "MS Sans Serif", "No Such Face"}) {
    for (bool bold : {false, true}) {
      const ResolvedFont font = ResolveFont(family, bold);
      EXPECT_TRUE(std::filesystem::exists(font.file)) << family << " -> " << font.file;
    }
  }
}

TEST(FontResolver, ComicSansComesOutAsComicNeueInItsBoldFace) {
  const ResolvedFont font = ResolveFont("Comic Sans MS", true);
  EXPECT_EQ(font.family, "Comic Neue");
  EXPECT_TRUE(font.isBoldFace);
}

TEST(FontResolver, PapyrusGetsADeliberateStandInNotWhateverIsFirst) {
  EXPECT_NE(ResolveFont("Papyrus", true).family, "DejaVu Sans");
}

TEST(FontResolver, PointsAreAt96DotsPerInch) {
  EXPECT_EQ(PointsToPixels(48), 64);
  EXPECT_EQ(PointsToPixels(15.75), 21);
  EXPECT_EQ(PointsToPixels(24), 32);
}

}  // namespace
}  // namespace rallix
