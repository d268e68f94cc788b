#pragma once
// What the full game's match tests share: a stand-in for the settings screen a
// match returns to, the files a settings screen leaves for a match, and checks
// on the picture the window shows.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "art/artwork.h"
#include "core/key_codes.h"
#include "core/rect.h"
#include "platform/files/picture_file.h"
#include "platform/forms/form.h"
#include "platform/forms/runtime.h"
#include "platform/forms/timer.h"
#include "tests/support/screen_test_support.h"

namespace rallix::testing {

inline constexpr double kFrameMs = 1000.0 / 60;
inline constexpr int kFieldWidth = 800;
inline constexpr int kFieldHeight = 600;

// A settings screen with nothing on it: all a match needs is a form to show
// again at its end.
class StandInSettings final : public Form {
 public:
  explicit StandInSettings(FormsRuntime& runtime)
      : Form(runtime, FormDesign{"Settings", kButtonFace, WindowState::Normal, 6000, 4000}) {}

 protected:
  void CreateControls() override {}
  void DestroyControls() override {}
};

// The pictures both settings screens export before a match; the banners only
// the single-player screen does.
inline void LayOutPictures(bool withBanners) {
  SavePicture(art::LightPaddle(), "pal1.bmp");
  SavePicture(art::DarkPaddle(), "pal2.bmp");
  SavePicture(art::BluePlasticBall(), "cball.bmp");
  SavePicture(art::FieldBackground(), "bg.bmp");
  if (withBanners) {
    SavePicture(art::WinBanner(), "yw.bmp");
    SavePicture(art::LossBanner(), "yl.bmp");
  }
}

inline std::vector<std::string> ExistingFiles(const std::vector<std::string>& files) {
  std::vector<std::string> existing;
  for (const std::string& file : files) {
    if (std::filesystem::exists(file)) {
      existing.push_back(file);
    }
  }
  return existing;
}

// A settings file or a picture that will not do, and the error it must raise.
struct BrokenFile {
  const char* name;
  const char* settingsText;  // nullptr: a good settings file
  const char* missingFile;   // nullptr: every file there
  int number;
  const char* mentions;
};

// Spoils the laid-out files as the case says, loads the match and checks it
// refuses with the case's error, every other picture still in place and the
// pointer never hidden.
inline void ExpectMatchRefuses(FormsRuntime& runtime, Form& match, const BrokenFile& c,
                               const std::string& settingsFile,
                               const std::vector<std::string>& pictures) {
  if (c.settingsText != nullptr) {
    std::ofstream(settingsFile, std::ios::binary | std::ios::trunc) << c.settingsText;
  }
  if (c.missingFile != nullptr) {
    std::filesystem::remove(c.missingFile);
  }
  try {
    runtime.Start(match);
    ADD_FAILURE() << "the match loaded";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), c.number) << error.what();
    EXPECT_NE(error.Description().find(c.mentions), std::string::npos) << error.Description();
  }
  std::vector<std::string> expected = pictures;
  std::erase(expected, c.missingFile == nullptr ? "" : c.missingFile);
  EXPECT_EQ(ExistingFiles(pictures), expected);
  EXPECT_EQ(runtime.Devices().CursorCount(), 0) << "the pointer was hidden";
}

inline int Timer1Interval(const Form& form) {
  return dynamic_cast<const Timer&>(*FindControl(form, "Timer1")).Interval();
}

// How many of a sprite's visible pixels are not where it should be drawn.
inline int SpritePixelsMissing(const Picture& frame, const Picture& sprite, int x, int y) {
  int missing = 0;
  for (int sy = 0; sy < sprite.height; ++sy) {
    for (int sx = 0; sx < sprite.width; ++sx) {
      if (sprite.At(sx, sy) != kTransparentBlack && frame.At(x + sx, y + sy) != sprite.At(sx, sy)) {
        ++missing;
      }
    }
  }
  return missing;
}

// How many pixels outside the top-left 800 x 600 are not black.
inline int LitPixelsOutsideField(const Picture& frame) {
  int lit = 0;
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x) {
      if ((x >= kFieldWidth || y >= kFieldHeight) && frame.At(x, y) != kTransparentBlack) {
        ++lit;
      }
    }
  }
  return lit;
}

inline bool IsBlack(Rgb c) {
  return c == kTransparentBlack;
}

// A headless game with one match form and the settings screen it returns to.
template <typename MatchForm>
class MatchTest : public ::testing::Test {
 protected:
  ScratchFolder folder;
  HeadlessRuntime headless;
  StandInSettings settings{headless.Runtime()};
  MatchForm match{headless.Runtime(), settings};

  FormsRuntime& Runtime() { return headless.Runtime(); }
  bool OnSettings() { return Runtime().TopForm() == &settings; }
  bool Running() { return Runtime().FrameLoopRunning(match); }

  // The way START GAME leaves its screen: the settings screen goes, the match
  // comes, and its first paint starts the rally.
  void StartMatchFromSettings() {
    if (!settings.IsLoaded()) {
      Runtime().Start(settings);
    }
    settings.Unload();
    match.Show(ShowMode::Modal);
    ASSERT_TRUE(headless.RunUntil([&] { return Running(); }, 100)) << "the match did not start";
  }

  // Runs frames until at least one more pass has run.
  void RunOnePass() {
    const auto before = Runtime().PassesRun();
    ASSERT_TRUE(headless.RunUntil([&] { return Runtime().PassesRun() > before; }, 100));
  }
};

}  // namespace rallix::testing
