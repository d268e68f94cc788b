// Settings files that are not what a settings screen writes: not a regular file at all, far
// longer than any settings file, or a line longer than any value. A reader refuses at once or
// reads only the lines it is asked for, never the whole thing.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/error_numbers.h"
#include "core/errors.h"
#include "platform/files/sequential_file.h"
#include "tests/platform/files/file_test_support.h"

namespace rallix {
namespace {

using testing::CaughtRuntimeError;
using testing::TemporaryFolder;
using testing::WriteBytes;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

struct NotARegularFileCase {
  std::string name;
  std::function<void(const std::filesystem::path&)> make;
  int number;
};

TEST(SequentialReader, RefusesAtOnceWhatIsNotARegularFile) {
  const std::vector<NotARegularFileCase> cases = {
      // Read as a file, a FIFO no one writes to would wait for ever.
      {"a FIFO", [](const auto& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); },
       ErrorNumber::PathFileAccessError},
      {"a link to a device",
       [](const auto& path) { std::filesystem::create_symlink("/dev/null", path); },
       ErrorNumber::PathFileAccessError},
      {"a link to nothing",
       [](const auto& path) { std::filesystem::create_symlink("no-such-file", path); },
       ErrorNumber::FileNotFound},
  };
  for (const NotARegularFileCase& c : cases) {
    SCOPED_TRACE(c.name);
    TemporaryFolder folder;
    const auto path = folder / "config.dat";
    c.make(path);
    const auto error = CaughtRuntimeError([&] { SequentialReader reader(path); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), c.number);
    EXPECT_EQ(error->Source(), "SequentialReader");
    EXPECT_TRUE(Contains(error->Description(), path.string())) << error->Description();
  }
}

// The bytes this process has read from files so far, where the system counts them.
std::optional<long long> BytesReadSoFar() {
  std::ifstream counts("/proc/self/io");
  std::string name;
  long long value = 0;
  while (counts >> name >> value) {
    if (name == "rchar:") {
      return value;
    }
  }
  return std::nullopt;
}

TEST(SequentialReader, ReadsOnlyAsFarAsTheLinesAskedFor) {
  TemporaryFolder folder;
  const auto path = folder / "config.dat";
  WriteBytes(path, "6\r\n4\r\n");
  std::filesystem::resize_file(path, 64 << 20);  // then one line of NULs, taking no disk
  const auto before = BytesReadSoFar();
  if (!before) {
    GTEST_SKIP() << "the system does not count the bytes a process reads";
  }
  SequentialReader reader(path);
  EXPECT_EQ(reader.ReadInteger(), 6);
  EXPECT_EQ(reader.ReadInteger(), 4);
  const auto error = CaughtRuntimeError([&] { reader.ReadString(); });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Number(), ErrorNumber::TypeMismatch);
  EXPECT_LT(*BytesReadSoFar() - *before, 1 << 20);
}

struct LongLineCase {
  std::string name;
  std::string line;  // followed by a line holding #TRUE#
  bool fits;
};

TEST(SequentialReader, ALineLongerThanTheLongestIsATypeMismatchAndTheNextLineStillReads) {
  const std::string longest = "\"" + std::string(kLongestSettingsLine - 2, 'x') + "\"";
  const std::vector<LongLineCase> cases = {
      {"the longest, CR LF", longest + "\r\n", true},
      {"the longest, LF", longest + "\n", true},
      {"one byte longer", "\"x" + longest.substr(1) + "\r\n", false},
      {"a CR past the longest is no line ending", longest + "\rx\r\n", false},
      {"megabytes of digits", std::string(5'000'000, '7') + "\n", false},
  };
  for (const LongLineCase& c : cases) {
    SCOPED_TRACE(c.name);
    TemporaryFolder folder;
    const auto path = folder / "names.dat";
    WriteBytes(path, c.line + "#TRUE#");
    SequentialReader reader(path);
    if (c.fits) {
      EXPECT_EQ(reader.ReadString(), longest.substr(1, longest.size() - 2));
    } else {
      const auto error = CaughtRuntimeError([&] { reader.ReadString(); });
      ASSERT_TRUE(error);
      EXPECT_EQ(error->Number(), ErrorNumber::TypeMismatch);
      EXPECT_EQ(error->Description(), path.string() + ", line 1: expected a quoted string, found " +
                                          QuoteForMessage(c.line));
    }
    EXPECT_TRUE(reader.ReadBoolean());
    EXPECT_TRUE(reader.AtEnd());
  }
}

}  // namespace
}  // namespace rallix
