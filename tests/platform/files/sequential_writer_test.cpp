// Settings files on disk: exact bytes written, values read back, every malformed file reported
// with its number, file and line, and no half-written file ever left behind.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/error_numbers.h"
#include "core/errors.h"
#include "platform/files/sequential_file.h"
#include "tests/platform/files/file_test_support.h"

namespace rallix {
namespace {

using namespace std::string_literals;
using testing::CaughtRuntimeError;
using testing::FileSizeLimit;
using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// ---- Writing ------------------------------------------------------------------------------

TEST(SequentialWriter, WritesEachValueOnItsOwnCrLfLine) {
  TemporaryFolder folder;
  const auto path = folder / "options.dat";
  SequentialWriter writer(path);
  writer.WriteBoolean(true);
  writer.WriteBoolean(false);
  writer.WriteInteger(6);
  writer.WriteInteger(4);
  writer.WriteInteger(317);
  writer.Close();
  EXPECT_EQ(ReadBytes(path), "#TRUE#\r\n#FALSE#\r\n6\r\n4\r\n317\r\n");
}

TEST(SequentialWriter, WritesNegativesExtremesAndStringsInTheirExactForm) {
  TemporaryFolder folder;
  const auto path = folder / "names.dat";
  SequentialWriter writer(path);
  writer.WriteString("Ann");
  writer.WriteInteger(-2147483647 - 1);
  writer.WriteInteger(2147483647);
  writer.WriteString("");
  writer.WriteInteger(0);
  writer.WriteString(" a, b ");
  writer.Close();
  EXPECT_EQ(ReadBytes(path), "\"Ann\"\r\n-2147483648\r\n2147483647\r\n\"\"\r\n0\r\n\" a, b \"\r\n");
}

TEST(SequentialWriter, ClosingWithNothingWrittenLeavesAnEmptyFile) {
  TemporaryFolder folder;
  const auto path = folder / "empty.dat";
  SequentialWriter(path).Close();
  ASSERT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(ReadBytes(path), "");
}

TEST(SequentialWriter, ReplacesALongerEarlierFileWhole) {
  TemporaryFolder folder;
  const auto path = folder / "config.dat";
  WriteBytes(path, "111111\r\n222222\r\n333333\r\n444444\r\n");
  SequentialWriter writer(path);
  writer.WriteInteger(5);
  writer.Close();
  EXPECT_EQ(ReadBytes(path), "5\r\n");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"config.dat"});
}

TEST(SequentialWriter, DestroyedWithoutCloseWritesNothing) {
  TemporaryFolder folder;
  const auto fresh = folder / "fresh.dat";
  const auto earlier = folder / "earlier.dat";
  WriteBytes(earlier, "1\r\n");
  {
    SequentialWriter writer(fresh);
    writer.WriteInteger(9);
    SequentialWriter overwriting(earlier);
    overwriting.WriteInteger(2);
  }
  EXPECT_FALSE(std::filesystem::exists(fresh));
  EXPECT_EQ(ReadBytes(earlier), "1\r\n");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"earlier.dat"});
}

TEST(SequentialWriter, RefusesStringsThatCouldNotBeReadBack) {
  TemporaryFolder folder;
  const auto path = folder / "names.dat";
  SequentialWriter writer(path);
  for (const std::string& text :
       std::vector<std::string>{"say \"hi\"", "\"", "two\r\nlines", "cr\r", "lf\n",
                                std::string(kLongestSettingsLine - 1, 'x')}) {
    const auto error = CaughtRuntimeError([&] { writer.WriteString(text); });
    ASSERT_TRUE(error) << text;
    EXPECT_EQ(error->Number(), ErrorNumber::TypeMismatch) << text;
    EXPECT_EQ(error->Source(), "SequentialWriter");
    EXPECT_TRUE(Contains(error->Description(), path.string())) << error->Description();
  }
  // The refused values left nothing behind: the file holds only what was accepted.
  writer.WriteString("ok");
  writer.Close();
  EXPECT_EQ(ReadBytes(path), "\"ok\"\r\n");
}

TEST(SequentialWriter, WritesTheLongestStringALineHoldsSoThatItReadsBack) {
  TemporaryFolder folder;
  const auto path = folder / "names.dat";
  const std::string longest(kLongestSettingsLine - 2, 'x');
  SequentialWriter writer(path);
  writer.WriteString(longest);
  writer.Close();
  EXPECT_EQ(SequentialReader(path).ReadString(), longest);
}

TEST(SequentialWriter, UseAfterCloseIsAnError) {
  TemporaryFolder folder;
  const auto path = folder / "done.dat";
  SequentialWriter writer(path);
  writer.WriteInteger(1);
  writer.Close();
  const std::vector<std::function<void()>> lateCalls = {
      [&] { writer.WriteInteger(2); }, [&] { writer.WriteBoolean(true); },
      [&] { writer.WriteString("x"); }, [&] { writer.Close(); }};
  for (const auto& call : lateCalls) {
    const auto error = CaughtRuntimeError(call);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), ErrorNumber::BadFileNameOrNumber);
    EXPECT_TRUE(Contains(error->Description(), path.string())) << error->Description();
  }
  EXPECT_EQ(ReadBytes(path), "1\r\n");
}

struct UnwritableTarget {
  std::string name;
  std::function<std::filesystem::path(const TemporaryFolder&)> prepare;
  std::string reason;
};

TEST(SequentialWriter, CloseToAnUnwritablePlaceFailsCleanlyNamingFileAndReason) {
  const std::vector<UnwritableTarget> targets = {
      {"missing folder",
       [](const TemporaryFolder& folder) { return folder / "no-such-folder" / "config.dat"; },
       "No such file or directory"},
      {"folder is a file",
       [](const TemporaryFolder& folder) {
         WriteBytes(folder / "plain-file", "x");
         return folder / "plain-file" / "config.dat";
       },
       "Not a directory"},
      {"target is a folder",
       [](const TemporaryFolder& folder) {
         std::filesystem::create_directory(folder / "config.dat");
         WriteBytes(folder / "config.dat" / "inside", "keep");
         return folder / "config.dat";
       },
       ""},
  };
  for (const UnwritableTarget& target : targets) {
    SCOPED_TRACE(target.name);
    TemporaryFolder folder;
    const auto path = target.prepare(folder);
    const auto namesBefore = folder.Names();
    SequentialWriter writer(path);
    writer.WriteInteger(1);
    const auto error = CaughtRuntimeError([&] { writer.Close(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), ErrorNumber::PathFileAccessError);
    EXPECT_EQ(error->Source(), "SequentialWriter");
    EXPECT_TRUE(Contains(error->Description(), path.string())) << error->Description();
    EXPECT_TRUE(Contains(error->Description(), target.reason)) << error->Description();
    EXPECT_EQ(folder.Names(), namesBefore) << "a temporary file was left behind";
  }
}

TEST(SequentialWriter, ARefusedFolderLeavesTheEarlierFileIntact) {
  TemporaryFolder folder;
  const auto path = folder / "config.dat";
  WriteBytes(path, "1\r\n2\r\n");
  std::filesystem::permissions(
      folder.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  if (access(folder.Path().c_str(), W_OK) == 0) {
    GTEST_SKIP() << "running with rights that ignore a read-only folder";
  }
  SequentialWriter writer(path);
  writer.WriteInteger(3);
  const auto error = CaughtRuntimeError([&] { writer.Close(); });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Number(), ErrorNumber::PathFileAccessError);
  EXPECT_TRUE(Contains(error->Description(), "Permission denied")) << error->Description();
  EXPECT_EQ(ReadBytes(path), "1\r\n2\r\n");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"config.dat"});
}

TEST(SequentialWriter, AWriteFailingPartWayLeavesTheEarlierFileIntactAndNoTemporaryFile) {
  TemporaryFolder folder;
  const auto path = folder / "config.dat";
  const std::string earlier = "1\r\n2\r\n";
  WriteBytes(path, earlier);
  SequentialWriter writer(path);
  for (int i = 0; i < 100; ++i) {
    writer.WriteInteger(1000000 + i);
  }
  std::optional<RuntimeError> error;
  {
    const FileSizeLimit diskAlmostFull(64);
    ASSERT_TRUE(diskAlmostFull.Applied());
    error = CaughtRuntimeError([&] { writer.Close(); });
  }
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Number(), ErrorNumber::PathFileAccessError);
  EXPECT_TRUE(Contains(error->Description(), path.string())) << error->Description();
  EXPECT_EQ(ReadBytes(path), earlier);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"config.dat"});

  // Once there is room again, the same writer can still deliver the file.
  writer.Close();
  const std::string written = ReadBytes(path);
  EXPECT_EQ(written.substr(0, 18), "1000000\r\n1000001\r\n");
  EXPECT_EQ(written.size(), 100u * 9u);
}

TEST(SequentialWriter, CloseAfterAFailureMayBeTriedAgain) {
  TemporaryFolder folder;
  const auto path = folder / "later" / "config.dat";
  SequentialWriter writer(path);
  writer.WriteBoolean(true);
  EXPECT_TRUE(CaughtRuntimeError([&] { writer.Close(); }));
  std::filesystem::create_directory(folder / "later");
  writer.Close();
  EXPECT_EQ(ReadBytes(path), "#TRUE#\r\n");
}

}  // namespace
}  // namespace rallix
