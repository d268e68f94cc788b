// Settings a writer refuses because its reader could not read them back as given: nothing is
// written, so the file from the last good write stays as it was.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/error_numbers.h"
#include "core/errors.h"
#include "settings/full_game_settings.h"
#include "tests/platform/files/file_test_support.h"

namespace rallix {
namespace {

using testing::CaughtRuntimeError;
using testing::ReadBytes;
using testing::TemporaryFolder;

struct RefusedCase {
  std::string name;
  std::string fileName;
  std::function<void(const std::filesystem::path&)> write;
  std::string source;
  std::string problem;  // between "<file>: " and "; nothing was written"
};

std::function<void(const std::filesystem::path&)> Single(SinglePlayerSettings s) {
  return [s](const std::filesystem::path& path) { WriteSinglePlayerSettings(s, path); };
}

std::function<void(const std::filesystem::path&)> Two(TwoPlayerSettings s) {
  return [s](const std::filesystem::path& path) { WriteTwoPlayerSettings(s, path); };
}

std::vector<RefusedCase> RefusedCases() {
  const std::string single = "WriteSinglePlayerSettings";
  const std::string two = "WriteTwoPlayerSettings";
  const std::string cannotReadBack =
      " holds a double quote, CR or LF and could not be read back "
      "as one value";
  return {
      {"joystick on without an identifier", "config1.cfg", Single({true, false, 6, 4, 317, ""}),
       single, "UseJoystick is true but JoystickGuid is empty"},
      {"identifier with a quote", "config1.cfg", Single({true, false, 6, 4, 317, "a\"b"}), single,
       "JoystickGuid \"a\"b\"" + cannotReadBack},
      {"identifier with CR", "config1.cfg", Single({true, false, 6, 4, 317, "a\rb"}), single,
       "JoystickGuid \"a\\x0Db\"" + cannotReadBack},
      {"identifier with LF", "config1.cfg", Single({true, false, 6, 4, 317, "a\nb"}), single,
       "JoystickGuid \"a\\x0Ab\"" + cannotReadBack},
      {"player 1's joystick without an identifier", "mp1.cfg", Two({5, "Pad", "Mouse", "", ""}),
       two, "Player1Device \"Pad\" names a joystick but Player1JoystickGuid is empty"},
      {"player 2's joystick without an identifier", "mp1.cfg", Two({5, "Keyboard", "Pad", "", ""}),
       two, "Player2Device \"Pad\" names a joystick but Player2JoystickGuid is empty"},
      {"lower-case keyboard without an identifier", "mp1.cfg",
       Two({5, "keyboard", "Mouse", "", ""}), two,
       "Player1Device \"keyboard\" names a joystick but Player1JoystickGuid is empty"},
      {"identifier for the keyboard", "mp1.cfg", Two({5, "Keyboard", "Mouse", "guid", ""}), two,
       "Player1JoystickGuid \"guid\" is given but Player1Device \"Keyboard\" is not a joystick"},
      {"identifier for the mouse", "mp1.cfg", Two({5, "Pad", "Mouse", "guid-1", "guid-2"}), two,
       "Player2JoystickGuid \"guid-2\" is given but Player2Device \"Mouse\" is not a joystick"},
      {"player 2's identifier with a quote", "mp1.cfg",
       Two({5, "Pad A", "Pad B", "guid-a", "\"guid-b\""}), two,
       "Player2JoystickGuid \"\"guid-b\"\"" + cannotReadBack},
      {"player 1's identifier with LF", "mp1.cfg", Two({5, "Pad", "Mouse", "gu\nid", ""}), two,
       "Player1JoystickGuid \"gu\\x0Aid\"" + cannotReadBack},
      {"device name with CR", "mp1.cfg", Two({5, "Keyboard", "Pad\r", "", "guid"}), two,
       "Player2Device \"Pad\\x0D\"" + cannotReadBack},
  };
}

TEST(SettingsFiles, ARefusedWriteNamesTheFileAndTheProblemAndLeavesTheEarlierFile) {
  const std::string earlier = "earlier contents\r\n";
  for (const RefusedCase& c : RefusedCases()) {
    SCOPED_TRACE(c.name);
    TemporaryFolder folder;
    const auto path = folder / c.fileName;
    testing::WriteBytes(path, earlier);
    const auto error = CaughtRuntimeError([&] { c.write(path); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), ErrorNumber::TypeMismatch);
    EXPECT_EQ(error->Source(), c.source);
    EXPECT_EQ(error->Description(), path.string() + ": " + c.problem + "; nothing was written");
    EXPECT_EQ(ReadBytes(path), earlier);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{c.fileName});
  }
}

TEST(SettingsFiles, ARefusedFirstWriteCreatesNoFile) {
  for (const RefusedCase& c : RefusedCases()) {
    SCOPED_TRACE(c.name);
    TemporaryFolder folder;
    CaughtRuntimeError([&] { c.write(folder / c.fileName); });
    EXPECT_TRUE(folder.Names().empty());
  }
}

}  // namespace
}  // namespace rallix
