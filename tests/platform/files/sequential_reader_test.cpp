// Settings files on disk: exact bytes written, values read back, every malformed file reported
// with its number, file and line, and no half-written file ever left behind.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
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
using testing::TemporaryFolder;
using testing::WriteBytes;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(SequentialReader, ReadsBackEveryValueWritten) {
  TemporaryFolder folder;
  const auto path = folder / "round.dat";
  const std::string oddText = "a\0b, \xE9\t#TRUE# -0 \x7F"s;
  {
    SequentialWriter writer(path);
    writer.WriteBoolean(true);
    writer.WriteInteger(std::numeric_limits<std::int32_t>::min());
    writer.WriteString(oddText);
    writer.WriteInteger(std::numeric_limits<std::int32_t>::max());
    writer.WriteString("");
    writer.WriteBoolean(false);
    writer.WriteInteger(0);
    writer.Close();
  }
  SequentialReader reader(path);
  EXPECT_TRUE(reader.ReadBoolean());
  EXPECT_EQ(reader.ReadInteger(), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(reader.ReadString(), oddText);
  EXPECT_EQ(reader.ReadInteger(), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(reader.ReadString(), "");
  EXPECT_FALSE(reader.ReadBoolean());
  EXPECT_FALSE(reader.AtEnd());
  EXPECT_EQ(reader.ReadInteger(), 0);
  EXPECT_TRUE(reader.AtEnd());
}

TEST(SequentialReader, ToleratesLinuxLineEndsAndAnUnendedLastLine) {
  TemporaryFolder folder;
  const auto path = folder / "edited.dat";
  WriteBytes(path, "#TRUE#\n12\r\n\"name\"\n-3");
  SequentialReader reader(path);
  EXPECT_TRUE(reader.ReadBoolean());
  EXPECT_EQ(reader.ReadInteger(), 12);
  EXPECT_EQ(reader.ReadString(), "name");
  EXPECT_EQ(reader.ReadInteger(), -3);
  EXPECT_TRUE(reader.AtEnd());
}

// The file stays open: what was opened is what is read, whatever happens to its name.
TEST(SequentialReader, ReadsTheFileItOpenedEvenOnceItsNameIsGone) {
  TemporaryFolder folder;
  const auto path = folder / "config.dat";
  WriteBytes(path, "1\r\n2\r\n");
  SequentialReader reader(path);
  std::filesystem::remove(path);
  EXPECT_EQ(reader.ReadInteger(), 1);
  EXPECT_EQ(reader.ReadInteger(), 2);
}

TEST(SequentialReader, AMissingOrUnreadableFileIsFileNotFound) {
  TemporaryFolder folder;
  const auto missing = folder / "config.dat";
  auto error = CaughtRuntimeError([&] { SequentialReader reader(missing); });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Number(), ErrorNumber::FileNotFound);
  EXPECT_EQ(error->Source(), "SequentialReader");
  EXPECT_EQ(error->Description(), "File not found: " + missing.string());

  std::filesystem::create_directory(folder / "a-folder");
  error = CaughtRuntimeError([&] { SequentialReader reader(folder / "a-folder"); });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Number(), ErrorNumber::FileNotFound);
  EXPECT_TRUE(Contains(error->Description(), (folder / "a-folder").string()));
}

TEST(SequentialReader, NamesTheFileAsTheCallerGaveIt) {
  TemporaryFolder folder;
  const auto here = std::filesystem::current_path();
  std::filesystem::current_path(folder.Path());
  WriteBytes("config.dat", "6\r\nabc\r\n");
  const auto error = CaughtRuntimeError([] {
    SequentialReader reader("config.dat");
    reader.ReadInteger();
    reader.ReadInteger();
  });
  const auto missing = CaughtRuntimeError([] { SequentialReader reader("other.dat"); });
  std::filesystem::current_path(here);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Description(), "config.dat, line 2: expected an integer, found \"abc\"");
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->Description(), "File not found: other.dat");
}

enum class Read { Integer, Boolean, String };

struct MalformedCase {
  std::string name;
  std::string contents;
  std::vector<Read> reads;  // the last one fails
  int number;
  std::string description;  // after "<file>, "
};

void Perform(SequentialReader& reader, Read read) {
  switch (read) {
    case Read::Integer:
      reader.ReadInteger();
      break;
    case Read::Boolean:
      reader.ReadBoolean();
      break;
    case Read::String:
      reader.ReadString();
      break;
  }
}

TEST(SequentialReader, ReportsEachMalformedLineWithNumberFileLineExpectedAndFound) {
  using enum Read;
  const int mismatch = ErrorNumber::TypeMismatch;
  const int overflow = ErrorNumber::Overflow;
  const int pastEnd = ErrorNumber::InputPastEndOfFile;
  const std::vector<MalformedCase> cases = {
      {"letters for an integer",
       "6\r\nabc\r\n",
       {Integer, Integer},
       mismatch,
       "line 2: expected an integer, found \"abc\""},
      {"plus sign", "+5\r\n", {Integer}, mismatch, "line 1: expected an integer, found \"+5\""},
      {"leading space", " 5\r\n", {Integer}, mismatch, "line 1: expected an integer, found \" 5\""},
      {"trailing space",
       "5 \r\n",
       {Integer},
       mismatch,
       "line 1: expected an integer, found \"5 \""},
      {"empty line", "\r\n", {Integer}, mismatch, "line 1: expected an integer, found \"\""},
      {"decimal", "1.5\r\n", {Integer}, mismatch, "line 1: expected an integer, found \"1.5\""},
      {"boolean for an integer",
       "#TRUE#\r\n",
       {Integer},
       mismatch,
       "line 1: expected an integer, found \"#TRUE#\""},
      {"too big",
       "2147483648\r\n",
       {Integer},
       overflow,
       "line 1: expected an integer from -2147483648 to 2147483647, found \"2147483648\""},
      {"too small",
       "1\r\n-2147483649\r\n",
       {Integer, Integer},
       overflow,
       "line 2: expected an integer from -2147483648 to 2147483647, found \"-2147483649\""},
      {"lower-case boolean",
       "#true#\r\n",
       {Boolean},
       mismatch,
       "line 1: expected #TRUE# or #FALSE#, found \"#true#\""},
      {"number for a boolean",
       "1\r\n",
       {Boolean},
       mismatch,
       "line 1: expected #TRUE# or #FALSE#, found \"1\""},
      {"unquoted string",
       "#TRUE#\r\n6\r\nAnn\r\n",
       {Boolean, Integer, String},
       mismatch,
       "line 3: expected a quoted string, found \"Ann\""},
      {"unclosed string",
       "\"Ann\r\n",
       {String},
       mismatch,
       "line 1: expected a quoted string, found \"\"Ann\""},
      {"quote inside string",
       "\"a\"b\"\r\n",
       {String},
       mismatch,
       "line 1: expected a quoted string, found \"\"a\"b\"\""},
      {"control bytes shown",
       "\x01\0x\r\n"s,
       {Integer},
       mismatch,
       "line 1: expected an integer, found \"\\x01\\x00x\""},
      {"past the end",
       "#TRUE#\r\n#FALSE#\r\n6\r\n",
       {Boolean, Boolean, Integer, Boolean},
       pastEnd,
       "line 4: input past end of file (expected a boolean)"},
      {"empty file",
       "",
       {String},
       pastEnd,
       "line 1: input past end of file (expected a quoted string)"},
      {"past an unended line",
       "7",
       {Integer, Integer},
       pastEnd,
       "line 2: input past end of file (expected an integer)"},
  };
  for (const MalformedCase& c : cases) {
    SCOPED_TRACE(c.name);
    TemporaryFolder folder;
    const auto path = folder / "config.dat";
    WriteBytes(path, c.contents);
    SequentialReader reader(path);
    for (std::size_t i = 0; i + 1 < c.reads.size(); ++i) {
      Perform(reader, c.reads[i]);
    }
    const auto error = CaughtRuntimeError([&] { Perform(reader, c.reads.back()); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), c.number);
    EXPECT_EQ(error->Source(), "SequentialReader");
    EXPECT_EQ(error->Description(), path.string() + ", " + c.description);
  }
}

TEST(SequentialReader, SurvivesAnyBytesWithOnlyTheDocumentedErrors) {
  TemporaryFolder folder;
  std::mt19937 random(20240611);
  std::vector<std::string> contents = {
      std::string(1'000'000, '7'),
      std::string(300'000, '\0'),
      "\"" + std::string(500'000, 'x') + "\"",
      "\r\r\r\n\n\n\r",
      "\"",
  };
  for (int sample = 0; sample < 20; ++sample) {
    std::string junk(static_cast<std::size_t>(random() % 4000), '\0');
    for (char& c : junk) {
      c = static_cast<char>(random() % 256);
    }
    contents.push_back(junk);
  }
  for (std::size_t sample = 0; sample < contents.size(); ++sample) {
    const auto path = folder / ("junk" + std::to_string(sample) + ".dat");
    WriteBytes(path, contents[sample]);
    SequentialReader reader(path);
    for (int i = 0; !reader.AtEnd(); ++i) {
      try {
        switch (i % 3) {
          case 0:
            reader.ReadInteger();
            break;
          case 1:
            reader.ReadBoolean();
            break;
          default:
            reader.ReadString();
            break;
        }
      } catch (const RuntimeError& error) {
        EXPECT_TRUE(error.Number() == ErrorNumber::TypeMismatch ||
                    error.Number() == ErrorNumber::Overflow)
            << error.what();
        EXPECT_LT(error.Description().size(), path.string().size() + 300) << "sample " << sample;
      }
    }
    const auto error = CaughtRuntimeError([&] { reader.ReadString(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), ErrorNumber::InputPastEndOfFile);
  }
}

// ---- Deleting -----------------------------------------------------------------------------

TEST(DeleteFile, RemovesTheFileAndReportsAMissingOneByName) {
  TemporaryFolder folder;
  const auto path = folder / "config.dat";
  WriteBytes(path, "1\r\n");
  DeleteFile(path);
  EXPECT_FALSE(std::filesystem::exists(path));

  const auto error = CaughtRuntimeError([&] { DeleteFile(path); });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Number(), ErrorNumber::FileNotFound);
  EXPECT_EQ(error->Source(), "DeleteFile");
  EXPECT_EQ(error->Description(), "File not found: " + path.string());
}

TEST(DeleteFile, LeavesAFolderAlone) {
  TemporaryFolder folder;
  const auto inner = folder / "settings";
  std::filesystem::create_directory(inner);
  const auto error = CaughtRuntimeError([&] { DeleteFile(inner); });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Number(), ErrorNumber::PathFileAccessError);
  EXPECT_TRUE(Contains(error->Description(), inner.string()));
  EXPECT_TRUE(std::filesystem::is_directory(inner));
}

}  // namespace
}  // namespace rallix
