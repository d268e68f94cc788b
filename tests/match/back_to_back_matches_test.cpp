// Matches played one after another leave nothing behind: after the first few,
// open files, textures, the heap and resident memory stay where they were.

#include <gtest/gtest.h>
#include <malloc.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "match/frm_sp.h"
#include "settings/full_game_settings.h"
#include "tests/match/match_test_support.h"

#if defined(__SANITIZE_ADDRESS__)
#define RALLIX_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define RALLIX_SANITIZED 1
#endif
#endif

namespace rallix {
namespace {

#ifdef RALLIX_SANITIZED
// The sanitizer's allocator keeps freed memory aside on purpose, and its leak
// check at exit covers the heap: fewer matches, counts only.
constexpr int kMatches = 100;
constexpr bool kHeapIsOurs = false;
#else
constexpr int kMatches = 1000;
constexpr bool kHeapIsOurs = true;
#endif
constexpr int kWarmUpMatches = 20;

struct Footprint {
  long openFiles = 0;
  std::size_t textures = 0;
  std::size_t heapBytes = 0;
  long residentKb = 0;
};

Footprint Measure(FormsRuntime& runtime) {
  Footprint f;
  f.openFiles = std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                              std::filesystem::directory_iterator());
  f.textures = runtime.Window().TextureCount();
  f.heapBytes = mallinfo2().uordblks;
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  statm >> pages >> f.residentKb;
  f.residentKb *= sysconf(_SC_PAGESIZE) / 1024;
  return f;
}

class BackToBackMatches : public testing::MatchTest<FrmSP> {
 protected:
  void SetUp() override {
    SinglePlayerSettings s;
    s.AISpeed = 6;
    s.BallSpeed = 5;
    s.BallStartX = 300;
    WriteSinglePlayerSettings(s);
    // The pictures a settings screen leaves, kept in memory: each match takes
    // them away, and writing them a thousand times the way the screens do
    // (safely, through the disk) would time the disk, not the game.
    testing::LayOutPictures(true);
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
      if (entry.path().extension() == ".bmp") {
        pictures_.emplace_back(entry.path(), testing::ReadWholeFile(entry.path()));
      }
    }
  }

  // A match from START GAME to Esc and back on the settings screen.
  void PlayOne() {
    for (const auto& [file, bytes] : pictures_) {
      std::ofstream(file, std::ios::binary) << bytes;
    }
    StartMatchFromSettings();
    headless.RunForMs(3 * testing::kFrameMs);
    InjectKeyTap(KeyCode::Escape);
    ASSERT_TRUE(headless.RunUntil([&] { return OnSettings(); }, 1000));
  }

 private:
  std::vector<std::pair<std::filesystem::path, std::string>> pictures_;
};

TEST_F(BackToBackMatches, LeaveFilesTexturesHeapAndMemoryFlat) {
  for (int i = 0; i < kWarmUpMatches; ++i) {
    ASSERT_NO_FATAL_FAILURE(PlayOne());
  }
  const Footprint before = Measure(Runtime());
  for (int i = kWarmUpMatches; i < kMatches; ++i) {
    ASSERT_NO_FATAL_FAILURE(PlayOne());
  }
  const Footprint after = Measure(Runtime());
  EXPECT_EQ(after.openFiles, before.openFiles);
  EXPECT_EQ(after.textures, before.textures);
  if (kHeapIsOurs) {
    // A little slack for the allocator's own bookkeeping; a leak of a
    // hundred bytes a match would already exceed it.
    EXPECT_LT(after.heapBytes, before.heapBytes + 64 * 1024)
        << "heap " << before.heapBytes << " -> " << after.heapBytes << " bytes";
    EXPECT_LT(after.residentKb, before.residentKb + 4 * 1024)
        << "resident " << before.residentKb << " -> " << after.residentKb << " kB";
  }
}

}  // namespace
}  // namespace rallix
