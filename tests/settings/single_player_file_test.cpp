// config1.cfg: the exact bytes the single-player screen leaves for the match, and the values
// the match reads back from them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/full_game_settings.h"
#include "tests/platform/files/file_test_support.h"
#include "tests/settings/settings_test_support.h"

namespace rallix {
namespace {

using testing::Fields;
using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

struct SinglePlayerCase {
  std::string name;
  SinglePlayerSettings written;
  std::string bytes;
  SinglePlayerSettings readBack;
};

TEST(SinglePlayerSettingsFile, WritesEachValueOnItsLineAndReadsItBack) {
  const std::string guid = "030000005e0400008e02000010010000";
  const std::vector<SinglePlayerCase> cases = {
      {"joystick in use",
       {true, false, 6, 4, 317, guid},
       "#TRUE#\r\n#FALSE#\r\n6\r\n4\r\n317\r\n\"" + guid + "\"\r\n",
       {true, false, 6, 4, 317, guid}},
      {"no joystick: five lines",
       {false, true, 10, 7, 0, ""},
       "#FALSE#\r\n#TRUE#\r\n10\r\n7\r\n0\r\n",
       {false, true, 10, 7, 0, ""}},
      {"an identifier kept while the joystick is off is not written",
       {false, false, 4, 3, 719, "stale \"id\""},
       "#FALSE#\r\n#FALSE#\r\n4\r\n3\r\n719\r\n",
       {false, false, 4, 3, 719, ""}},
      {"the 16-bit extremes",
       {true, true, -32768, 32767, -1, "a, b"},
       "#TRUE#\r\n#TRUE#\r\n-32768\r\n32767\r\n-1\r\n\"a, b\"\r\n",
       {true, true, -32768, 32767, -1, "a, b"}},
  };
  for (const SinglePlayerCase& c : cases) {
    SCOPED_TRACE(c.name);
    TemporaryFolder folder;
    const auto path = folder / "config1.cfg";
    WriteSinglePlayerSettings(c.written, path);
    EXPECT_EQ(ReadBytes(path), c.bytes);
    EXPECT_EQ(Fields(ReadSinglePlayerSettings(path)), Fields(c.readBack));
  }
}

TEST(SinglePlayerSettingsFile, ASecondWriteReplacesTheWholeFile) {
  TemporaryFolder folder;
  const auto path = folder / "config1.cfg";
  WriteSinglePlayerSettings({true, true, 9, 6, 700, "a-long-joystick-identifier"}, path);
  WriteSinglePlayerSettings({false, false, 5, 3, 12, ""}, path);
  EXPECT_EQ(ReadBytes(path), "#FALSE#\r\n#FALSE#\r\n5\r\n3\r\n12\r\n");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"config1.cfg"});
}

TEST(SinglePlayerSettingsFile, LinesAfterTheLastValueAreNotRead) {
  TemporaryFolder folder;
  const auto path = folder / "config1.cfg";
  // Without a joystick the sixth line is not the identifier, whatever it holds.
  WriteBytes(path, "#FALSE#\r\n#FALSE#\r\n6\r\n4\r\n317\r\n\"left over\"\r\nnot a value\r\n");
  EXPECT_EQ(Fields(ReadSinglePlayerSettings(path)),
            Fields(SinglePlayerSettings{false, false, 6, 4, 317, ""}));

  WriteBytes(path, "#TRUE#\r\n#FALSE#\r\n6\r\n4\r\n317\r\n\"pad\"\r\n#TRUE#\r\n");
  EXPECT_EQ(Fields(ReadSinglePlayerSettings(path)),
            Fields(SinglePlayerSettings{true, false, 6, 4, 317, "pad"}));
}

// The screens pass no path: the settings screen and the match must meet on the same two names.
TEST(SettingsFiles, DefaultPathsAreTheGamesTwoFilesInTheWorkingFolder) {
  TemporaryFolder folder;
  struct WorkingFolder {
    std::filesystem::path previous = std::filesystem::current_path();
    ~WorkingFolder() { std::filesystem::current_path(previous); }
  } restore;
  std::filesystem::current_path(folder.Path());

  WriteSinglePlayerSettings({false, true, 8, 5, 40, ""});
  WriteTwoPlayerSettings({6, "Keyboard", "Mouse", "", ""});
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"config1.cfg", "mp1.cfg"}));
  EXPECT_EQ(Fields(ReadSinglePlayerSettings()),
            Fields(SinglePlayerSettings{false, true, 8, 5, 40, ""}));
  EXPECT_EQ(Fields(ReadTwoPlayerSettings()),
            Fields(TwoPlayerSettings{6, "Keyboard", "Mouse", "", ""}));
}

}  // namespace
}  // namespace rallix
