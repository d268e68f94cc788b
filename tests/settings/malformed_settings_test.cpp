// Damaged or hand-edited settings files: each is reported with its error number, the file, the
// line and what was expected there, never read as something else.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/error_numbers.h"
#include "core/errors.h"
#include "settings/full_game_settings.h"
#include "tests/platform/files/file_test_support.h"

namespace rallix {
namespace {

using testing::CaughtRuntimeError;
using testing::TemporaryFolder;
using testing::WriteBytes;

enum class SettingsFile { SinglePlayer, TwoPlayer };

void Read(SettingsFile which, const std::filesystem::path& path) {
  if (which == SettingsFile::SinglePlayer) {
    ReadSinglePlayerSettings(path);
  } else {
    ReadTwoPlayerSettings(path);
  }
}

TEST(SettingsFiles, AMissingFileIsFileNotFoundNamingIt) {
  for (const SettingsFile which : {SettingsFile::SinglePlayer, SettingsFile::TwoPlayer}) {
    TemporaryFolder folder;
    const auto path = folder / (which == SettingsFile::SinglePlayer ? "config1.cfg" : "mp1.cfg");
    const auto error = CaughtRuntimeError([&] { Read(which, path); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), ErrorNumber::FileNotFound);
    EXPECT_EQ(error->Description(), "File not found: " + path.string());
  }
}

struct MalformedCase {
  std::string name;
  SettingsFile file;
  std::string contents;
  int number;
  std::string source;
  std::string description;  // after "<file>, "
};

TEST(SettingsFiles, ReportEachMalformedFileWithNumberFileLineAndWhatWasExpected) {
  using enum SettingsFile;
  const int mismatch = ErrorNumber::TypeMismatch;
  const int overflow = ErrorNumber::Overflow;
  const int pastEnd = ErrorNumber::InputPastEndOfFile;
  const std::string reader = "SequentialReader";
  const std::string single = "ReadSinglePlayerSettings";
  const std::string two = "ReadTwoPlayerSettings";
  const std::string sixteenBits = "from -32768 to 32767";
  const std::vector<MalformedCase> cases = {
      // config1.cfg
      {"empty file", SinglePlayer, "", pastEnd, reader,
       "line 1: input past end of file (expected a boolean)"},
      {"number for UseJoystick", SinglePlayer, "1\r\n", mismatch, reader,
       "line 1: expected #TRUE# or #FALSE#, found \"1\""},
      {"string for DisableKeyboard", SinglePlayer, "#FALSE#\r\n\"no\"\r\n", mismatch, reader,
       "line 2: expected #TRUE# or #FALSE#, found \"\"no\"\""},
      {"word for AISpeed", SinglePlayer, "#FALSE#\r\n#FALSE#\r\nsix\r\n", mismatch, reader,
       "line 3: expected an integer, found \"six\""},
      {"boolean for BallStartX", SinglePlayer, "#FALSE#\r\n#FALSE#\r\n6\r\n4\r\n#TRUE#\r\n",
       mismatch, reader, "line 5: expected an integer, found \"#TRUE#\""},
      {"unquoted identifier", SinglePlayer, "#TRUE#\r\n#FALSE#\r\n6\r\n4\r\n317\r\n{pad}\r\n",
       mismatch, reader, "line 6: expected a quoted string, found \"{pad}\""},
      {"identifier line missing", SinglePlayer, "#TRUE#\r\n#FALSE#\r\n6\r\n4\r\n317\r\n", pastEnd,
       reader, "line 6: input past end of file (expected a quoted string)"},
      {"AISpeed beyond 16 bits", SinglePlayer, "#FALSE#\r\n#FALSE#\r\n32768\r\n4\r\n317\r\n",
       overflow, single, "line 3: expected AISpeed " + sixteenBits + ", found \"32768\""},
      {"BallSpeed beyond 16 bits", SinglePlayer, "#FALSE#\r\n#FALSE#\r\n6\r\n100000\r\n317\r\n",
       overflow, single, "line 4: expected BallSpeed " + sixteenBits + ", found \"100000\""},
      {"BallStartX below 16 bits", SinglePlayer, "#FALSE#\r\n#FALSE#\r\n6\r\n4\r\n-32769\r\n",
       overflow, single, "line 5: expected BallStartX " + sixteenBits + ", found \"-32769\""},
      {"beyond 32 bits", SinglePlayer, "#FALSE#\r\n#FALSE#\r\n6\r\n4294967296\r\n", overflow,
       reader, "line 4: expected an integer from -2147483648 to 2147483647, found \"4294967296\""},
      {"truncated after two lines", SinglePlayer, "#FALSE#\r\n#TRUE#\r\n", pastEnd, reader,
       "line 3: input past end of file (expected an integer)"},
      {"truncated inside a line", SinglePlayer, "#TRUE#\r\n#FAL", mismatch, reader,
       "line 2: expected #TRUE# or #FALSE#, found \"#FAL\""},
      // mp1.cfg
      {"empty two-player file", TwoPlayer, "", pastEnd, reader,
       "line 1: input past end of file (expected an integer)"},
      {"string for BallSpeed", TwoPlayer, "\"Keyboard\"\r\n", mismatch, reader,
       "line 1: expected an integer, found \"\"Keyboard\"\""},
      {"BallSpeed beyond 16 bits", TwoPlayer, "40000\r\n\"Keyboard\"\r\n\"Mouse\"\r\n", overflow,
       two, "line 1: expected BallSpeed " + sixteenBits + ", found \"40000\""},
      {"unquoted Player1Device", TwoPlayer, "5\r\nKeyboard\r\n\"Mouse\"\r\n", mismatch, reader,
       "line 2: expected a quoted string, found \"Keyboard\""},
      {"unquoted name with a comma", TwoPlayer, "5\r\nPad, Left\r\n\"Mouse\"\r\n", mismatch, reader,
       "line 2: expected a quoted string, found \"Pad, Left\""},
      {"number for Player2Device", TwoPlayer, "5\r\n\"Keyboard\"\r\n7\r\n", mismatch, reader,
       "line 3: expected a quoted string, found \"7\""},
      {"player 1's identifier missing", TwoPlayer, "5\r\n\"Pad\"\r\n\"Mouse\"\r\n", pastEnd, reader,
       "line 4: input past end of file (expected a quoted string)"},
      {"player 2's identifier missing", TwoPlayer, "5\r\n\"Mouse\"\r\n\"Pad\"\r\n", pastEnd, reader,
       "line 4: input past end of file (expected a quoted string)"},
      {"second identifier missing", TwoPlayer, "5\r\n\"Pad A\"\r\n\"Pad B\"\r\n\"guid-a\"\r\n",
       pastEnd, reader, "line 5: input past end of file (expected a quoted string)"},
      {"lower-case keyboard needs an identifier", TwoPlayer,
       "5\r\n\"Keyboard\"\r\n\"keyboard\"\r\n", pastEnd, reader,
       "line 4: input past end of file (expected a quoted string)"},
      {"number for an identifier", TwoPlayer, "5\r\n\"Pad\"\r\n\"Keyboard\"\r\n12345\r\n", mismatch,
       reader, "line 4: expected a quoted string, found \"12345\""},
      {"truncated inside a name", TwoPlayer, "5\r\n\"Keyb", mismatch, reader,
       "line 2: expected a quoted string, found \"\"Keyb\""},
  };
  for (const MalformedCase& c : cases) {
    SCOPED_TRACE(c.name);
    TemporaryFolder folder;
    const auto path = folder / (c.file == SinglePlayer ? "config1.cfg" : "mp1.cfg");
    WriteBytes(path, c.contents);
    const auto error = CaughtRuntimeError([&] { Read(c.file, path); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), c.number);
    EXPECT_EQ(error->Source(), c.source);
    EXPECT_EQ(error->Description(), path.string() + ", " + c.description);
  }
}

TEST(SettingsFiles, SixteenBitExtremesAreReadAsTheyAre) {
  TemporaryFolder folder;
  const auto single = folder / "config1.cfg";
  WriteBytes(single, "#FALSE#\r\n#FALSE#\r\n32767\r\n-32768\r\n0\r\n");
  const SinglePlayerSettings s = ReadSinglePlayerSettings(single);
  EXPECT_EQ(s.AISpeed, 32767);
  EXPECT_EQ(s.BallSpeed, -32768);

  const auto two = folder / "mp1.cfg";
  WriteBytes(two, "-32768\r\n\"Mouse\"\r\n\"Keyboard\"\r\n");
  EXPECT_EQ(ReadTwoPlayerSettings(two).BallSpeed, -32768);
}

}  // namespace
}  // namespace rallix
