// mp1.cfg: three, four or five lines depending on which players use a joystick, identifiers
// always in player order.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/files/sequential_file.h"
#include "settings/device_names.h"
#include "settings/full_game_settings.h"
#include "tests/platform/files/file_test_support.h"
#include "tests/settings/settings_test_support.h"

namespace rallix {
namespace {

using testing::Fields;
using testing::ReadBytes;
using testing::TemporaryFolder;

TEST(SteeringDeviceNamed, OnlyTheExactNamesAreKeyboardAndMouse) {
  const std::vector<std::pair<std::string, SteeringDevice>> cases = {
      {"Keyboard", SteeringDevice::Keyboard},
      {"Mouse", SteeringDevice::Mouse},
      {"keyboard", SteeringDevice::Joystick},
      {"MOUSE", SteeringDevice::Joystick},
      {"Mouse ", SteeringDevice::Joystick},
      {"", SteeringDevice::Joystick},
      {"Gamepad (Xbox 360)", SteeringDevice::Joystick},
  };
  for (const auto& [name, device] : cases) {
    EXPECT_EQ(SteeringDeviceNamed(name), device) << QuoteForMessage(name);
  }
}

TEST(NamesJoystick, OnlyTheExactKeyboardAndMouseNamesAreNotJoysticks) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"Keyboard", false}, {"Mouse", false}, {"keyboard", true}, {"MOUSE", true},
      {"Keyboard ", true}, {" Mouse", true}, {"Mouse\t", true},  {"Xbox 360 Controller", true},
      {"Pad, Left", true}, {"", true},
  };
  for (const auto& [device, joystick] : cases) {
    EXPECT_EQ(NamesJoystick(device), joystick) << QuoteForMessage(device);
  }
}

struct TwoPlayerCase {
  std::string name;
  TwoPlayerSettings settings;
  std::string bytes;
};

TEST(TwoPlayerSettingsFile, WritesTheIdentifiersOfJoystickPlayersInPlayerOrder) {
  const std::vector<TwoPlayerCase> cases = {
      {"keyboard and mouse: three lines",
       {5, "Keyboard", "Mouse", "", ""},
       "5\r\n\"Keyboard\"\r\n\"Mouse\"\r\n"},
      {"only player 2 on a joystick: its identifier is line 4",
       {3, "Mouse", "USB Gamepad", "", "guid-two"},
       "3\r\n\"Mouse\"\r\n\"USB Gamepad\"\r\n\"guid-two\"\r\n"},
      {"only player 1 on a joystick",
       {7, "USB Gamepad", "Keyboard", "guid-one", ""},
       "7\r\n\"USB Gamepad\"\r\n\"Keyboard\"\r\n\"guid-one\"\r\n"},
      {"two joysticks: player 1's identifier first",
       {4, "Pad B", "Pad A", "guid-of-b", "guid-of-a"},
       "4\r\n\"Pad B\"\r\n\"Pad A\"\r\n\"guid-of-b\"\r\n\"guid-of-a\"\r\n"},
      {"a comma in a joystick's name stays one value",
       {6, "Pad, Left", "Mouse", "guid, with comma", ""},
       "6\r\n\"Pad, Left\"\r\n\"Mouse\"\r\n\"guid, with comma\"\r\n"},
      {"lower-case keyboard is a joystick's name",
       {6, "Keyboard", "keyboard", "", "guid-k"},
       "6\r\n\"Keyboard\"\r\n\"keyboard\"\r\n\"guid-k\"\r\n"},
      {"negative speed", {-2, "Mouse", "Mouse", "", ""}, "-2\r\n\"Mouse\"\r\n\"Mouse\"\r\n"},
  };
  for (const TwoPlayerCase& c : cases) {
    SCOPED_TRACE(c.name);
    TemporaryFolder folder;
    const auto path = folder / "mp1.cfg";
    WriteTwoPlayerSettings(c.settings, path);
    EXPECT_EQ(ReadBytes(path), c.bytes);
    EXPECT_EQ(Fields(ReadTwoPlayerSettings(path)), Fields(c.settings));
  }
}

TEST(TwoPlayerSettingsFile, ASecondWriteReplacesTheWholeFile) {
  TemporaryFolder folder;
  const auto path = folder / "mp1.cfg";
  WriteTwoPlayerSettings({7, "Pad A", "Pad B", "guid-a", "guid-b"}, path);
  WriteTwoPlayerSettings({3, "Keyboard", "Mouse", "", ""}, path);
  EXPECT_EQ(ReadBytes(path), "3\r\n\"Keyboard\"\r\n\"Mouse\"\r\n");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"mp1.cfg"});
}

TEST(TwoPlayerSettingsFile, LinesAfterTheLastIdentifierAreNotRead) {
  TemporaryFolder folder;
  const auto path = folder / "mp1.cfg";
  testing::WriteBytes(path, "5\r\n\"Keyboard\"\r\n\"Pad\"\r\n\"guid\"\r\n\"extra\"\r\n12\r\n");
  EXPECT_EQ(Fields(ReadTwoPlayerSettings(path)),
            Fields(TwoPlayerSettings{5, "Keyboard", "Pad", "", "guid"}));
}

}  // namespace
}  // namespace rallix
