// Replacing a file whole: what a writer killed between writing and renaming left beside the
// target is cleared away by the next write, and nothing else is.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/files/whole_file.h"
#include "tests/platform/files/file_test_support.h"

namespace rallix {
namespace {

using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

// The pid of a process that has run and is gone.
pid_t PidOfAnEndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) {
    ::_exit(0);
  }
  ::waitpid(child, nullptr, 0);
  return child;
}

enum class Kind { File, Folder, Link };

struct Neighbour {
  std::string name;
  Kind kind;
  bool kept;
};

TEST(ReplaceFileWhole, RemovesTheTargetsTemporariesWhoseWriterIsGoneAndNothingElse) {
  const std::string gone = std::to_string(PidOfAnEndedProcess());
  const std::string running = std::to_string(::getpid());
  const std::string mark = "config.dat.tmp-";
  const std::vector<Neighbour> neighbours = {
      {mark + gone + "-0", Kind::File, false},
      {mark + gone + "-17", Kind::File, false},
      {mark + running + "-99", Kind::File, true},  // may be about to be renamed
      {"other.dat.tmp-" + gone + "-0", Kind::File, true},
      {"old-" + mark + gone + "-0", Kind::File, true},
      {mark + gone, Kind::File, true},
      {mark + gone + "-0.bak", Kind::File, true},
      {mark + "0" + gone + "-0", Kind::File, true},
      {mark + "-1-0", Kind::File, true},
      {mark + "0-0", Kind::File, true},
      {mark + gone + "-1", Kind::Folder, true},
      {mark + gone + "-2", Kind::Link, true},
  };
  TemporaryFolder folder;
  for (const Neighbour& n : neighbours) {
    const auto path = folder / n.name;
    if (n.kind == Kind::File) {
      WriteBytes(path, "half");
    } else if (n.kind == Kind::Folder) {
      std::filesystem::create_directory(path);
    } else {
      std::filesystem::create_symlink("config.dat", path);
    }
  }

  ASSERT_EQ(ReplaceFileWhole(folder / "config.dat", "whole"), 0);
  EXPECT_EQ(ReadBytes(folder / "config.dat"), "whole");
  for (const Neighbour& n : neighbours) {
    EXPECT_EQ(std::filesystem::exists(std::filesystem::symlink_status(folder / n.name)), n.kept)
        << n.name;
  }
}

}  // namespace
}  // namespace rallix
