// Replay files as they come: any file, however large, endless or hostile, is
// refused with a line and a reason at the cost of one line of a replay; and
// games saving into one folder at the same moment never lose a replay.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "replay/replay_folder.h"
#include "replay/replay_text.h"
#include "tests/platform/files/file_test_support.h"

namespace rallix {
namespace {

// The kernel's high-water mark of resident memory, in bytes; `reset` first
// sets it back to what is resident now.
long long PeakResidentBytes(bool reset = false) {
  if (reset) {
    std::ofstream("/proc/self/clear_refs") << "5";
  }
  std::ifstream status("/proc/self/status");
  for (std::string word; status >> word;) {
    if (word == "VmHWM:") {
      long long kilobytes = 0;
      status >> kilobytes;
      return kilobytes * 1024;
    }
  }
  return -1;
}

// The ReplayError the attempt raises.
std::string ReplayErrorOf(const std::function<void()>& attempt) {
  try {
    attempt();
  } catch (const ReplayError& error) {
    return error.what();
  }
  return "none";
}

std::string Refusal(const std::filesystem::path& path) {
  return ReplayErrorOf([&path] { ReadReplayFile(path); });
}

const std::string kHead = "rallix-replay 1\nmatch one\nstartColumn 1\nballSpeed 5\naiSpeed 7\n";

TEST(ReplayFile, AHostileFileIsRefusedHoldingNoMoreThanALongLine) {
  constexpr std::size_t kHostileBytes = std::size_t{32} << 20;
  // Half the file: the longest replay line (under 3 MB) a few times over, for
  // the copies a string makes as it grows, and far from what holding the
  // file, let alone a line each of its line feeds, would take.
  constexpr long long kMostGrowthBytes = 16ll << 20;
  const struct {
    std::string before;  // then kHostileBytes of `filler`
    char filler;
    const char* message;
  } cases[] = {
      {"", '\n', "line 1: expected \"rallix-replay VALUE\""},
      {kHead + "passes 5000000\n", '\n', "line 7: expected a pass"},
      {kHead + "passes 0\nend win\n", '\n', "nothing may follow"},
      {kHead, 'f', "line 6: the line is longer than any line of a replay"},
  };
  for (const auto& c : cases) {
    testing::TemporaryFolder temporary;
    {
      std::ofstream out(temporary / "hostile.replay", std::ios::binary);
      out << c.before << std::string(kHostileBytes, c.filler);
    }
    const long long before = PeakResidentBytes(/*reset=*/true);
    EXPECT_NE(Refusal(temporary / "hostile.replay").find(c.message), std::string::npos)
        << c.message;
    EXPECT_LT(PeakResidentBytes() - before, kMostGrowthBytes) << c.message;
  }
}

TEST(ReplayFile, WhatCannotBeOpenedIsRefusedWithTheSystemsReason) {
  testing::TemporaryFolder temporary;
  std::filesystem::create_symlink("loop", temporary / "loop");
  EXPECT_NE(Refusal(temporary / "loop").find("Too many levels of symbolic links"),
            std::string::npos);
  EXPECT_NE(Refusal(temporary / std::string(5000, 'r')).find("File name too long"),
            std::string::npos);
  // A file of no size whose reading never ends.
  EXPECT_NE(Refusal("/proc/self/pagemap").find("line 1: the line is longer than any line"),
            std::string::npos);
}

TEST(ReplayFolder, GamesSavingAtOnceEachKeepTheirOwnFile) {
  testing::TemporaryFolder temporary;
  constexpr int kGames = 2;
  constexpr int kSavesEach = 40;
  const Replay replay{FirstEditionSettings{300, 5, 7}, {}, {{205, 0, 2500, 2500}}, PassEnd::Win};
  std::vector<pid_t> games;
  for (int game = 0; game < kGames; ++game) {
    games.push_back(::fork());
    if (games.back() == 0) {
      try {
        const ReplayFolder folder(temporary.Path(), "rallix");
        for (int save = 0; save < kSavesEach; ++save) {
          folder.Save(replay);
        }
      } catch (...) {
        ::_exit(1);
      }
      ::_exit(0);
    }
  }
  for (const pid_t game : games) {
    int status = 0;
    ASSERT_EQ(::waitpid(game, &status, 0), game);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
  const std::vector<std::string> names = temporary.Names();
  ASSERT_EQ(names.size(), std::size_t{kGames * kSavesEach});
  EXPECT_EQ(ReadReplayFile(temporary / names.back()).end, PassEnd::Win);
}

// The folder turned into a symbolic link to itself: before the game starts,
// and between two matches.
TEST(ReplayFolder, AFolderThatLoopsIsAReplayErrorWithTheReason) {
  testing::TemporaryFolder temporary;
  const std::filesystem::path place = temporary / "replays";
  const ReplayFolder folder(place, "rallix");
  std::filesystem::remove(place);
  std::filesystem::create_symlink("replays", place);
  const Replay replay{FirstEditionSettings{300, 5, 7}, {}, {}, PassEnd::Win};
  constexpr std::string_view kReason = "Too many levels of symbolic links";
  EXPECT_NE(ReplayErrorOf([&] { folder.Save(replay); }).find(kReason), std::string::npos);
  EXPECT_NE(ReplayErrorOf([&] { ReplayFolder(place, "rallix"); }).find(kReason), std::string::npos);
}

}  // namespace
}  // namespace rallix
