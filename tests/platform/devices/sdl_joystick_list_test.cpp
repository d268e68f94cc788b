// The joysticks SdlDeviceInput lists, on SDL virtual joysticks: no window and
// no real device needed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "core/errors.h"
#include "platform/devices/sdl_devices.h"
#include "tests/support/virtual_joystick.h"

namespace rallix {
namespace {

constexpr const char* kTwinName = "Rallix Twin Pad";

std::vector<std::string> IdentifiersNamed(SdlDeviceInput& devices, const std::string& name) {
  std::vector<std::string> identifiers;
  for (const JoystickInstance& joystick : devices.ListJoysticks()) {
    if (joystick.name == name) {
      identifiers.push_back(joystick.guid);
    }
  }
  return identifiers;
}

// "<32 hex digits>-<rank>"
void ExpectIdentifierShape(const std::string& identifier, const std::string& rank) {
  ASSERT_EQ(identifier.size(), 33 + rank.size()) << identifier;
  EXPECT_TRUE(std::all_of(identifier.begin(), identifier.begin() + 32, [](char c) {
    return std::isxdigit(static_cast<unsigned char>(c));
  })) << identifier;
  EXPECT_EQ(identifier.substr(32), "-" + rank);
}

TEST(SdlJoystickList, PadsOfOneModelShareTheGuidAndDifferByRank) {
  SdlDeviceInput devices;
  VirtualJoystick first(kTwinName, 2, 4);
  VirtualJoystick second(kTwinName, 2, 4);
  const std::vector<std::string> ids = IdentifiersNamed(devices, kTwinName);
  ASSERT_EQ(ids.size(), 2u);
  ExpectIdentifierShape(ids[0], "1");
  ExpectIdentifierShape(ids[1], "2");
  EXPECT_EQ(ids[0].substr(0, 32), ids[1].substr(0, 32)) << "one model, one SDL GUID";
}

TEST(SdlJoystickList, ADevicesIdentifierHoldsWhileItStaysAttached) {
  SdlDeviceInput devices;
  VirtualJoystick first(kTwinName, 2, 4);
  VirtualJoystick second(kTwinName, 2, 4);
  VirtualJoystick third(kTwinName, 2, 4);
  const std::vector<std::string> before = IdentifiersNamed(devices, kTwinName);
  ASSERT_EQ(before.size(), 3u);

  first.Detach();
  EXPECT_EQ(IdentifiersNamed(devices, kTwinName), (std::vector<std::string>{before[1], before[2]}))
      << "the pads still plugged in keep their identifiers";

  // A pad plugged in later takes the free rank, so "-1" is always some pad of
  // the model when one is attached.
  VirtualJoystick fourth(kTwinName, 2, 4);
  const std::vector<std::string> after = IdentifiersNamed(devices, kTwinName);
  ASSERT_EQ(after.size(), 3u);
  EXPECT_EQ(after[2], before[0]);
}

TEST(SdlJoystickList, AnIdentifierThatNamesNoAttachedPadIsRefused) {
  SdlDeviceInput devices;
  std::string gone;
  {
    VirtualJoystick pad("Rallix Brief Pad", 2, 4);
    const std::vector<std::string> ids = IdentifiersNamed(devices, "Rallix Brief Pad");
    ASSERT_EQ(ids.size(), 1u);
    gone = ids[0];
  }
  for (const std::string& identifier : {gone, std::string("no such pad"), std::string()}) {
    try {
      devices.CreateJoystick(identifier);
      ADD_FAILURE() << "opened \"" << identifier << "\"";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Number(), ErrorNumber::PlatformServiceFailed);
      EXPECT_EQ(e.Description(), "No attached joystick has the identifier \"" + identifier + "\"");
    }
  }
}

TEST(SdlJoystickList, AnUnpluggedDeviceRefusesEveryStep) {
  SdlDeviceInput devices;
  VirtualJoystick pad("Rallix Unplugged Pad", 2, 4);
  const std::vector<std::string> ids = IdentifiersNamed(devices, "Rallix Unplugged Pad");
  ASSERT_EQ(ids.size(), 1u);
  const std::unique_ptr<JoystickDevice> joystick = devices.CreateJoystick(ids[0]);
  ASSERT_TRUE(joystick->Acquire());
  JoyStateRecord state;
  ASSERT_TRUE(joystick->GetState(state));
  ASSERT_TRUE(joystick->Poll());

  pad.Detach();
  state.x = 1234;
  EXPECT_FALSE(joystick->GetState(state));
  EXPECT_EQ(state.x, 1234) << "a failed read leaves the record alone";
  EXPECT_FALSE(joystick->Poll());
  EXPECT_FALSE(joystick->Acquire());
}

TEST(SdlJoystickDevice, RefusesSettingsItCannotHonour) {
  SdlDeviceInput devices;
  VirtualJoystick pad("Rallix Settings Pad", 2, 4);
  const std::vector<std::string> ids = IdentifiersNamed(devices, "Rallix Settings Pad");
  ASSERT_EQ(ids.size(), 1u);
  const std::unique_ptr<JoystickDevice> joystick = devices.CreateJoystick(ids[0]);
  EXPECT_FALSE(joystick->SetDeadZone(2, 1000)) << "not an axis field's offset";
  EXPECT_FALSE(joystick->SetDeadZone(32, 1000)) << "past the last slider";
  EXPECT_FALSE(joystick->SetDeadZone(0, 10001));
  EXPECT_FALSE(joystick->SetDeadZone(0, -1));
  EXPECT_TRUE(joystick->SetDeadZone(28, 10000));
  EXPECT_FALSE(joystick->SetRange(5000, 5000));
  EXPECT_FALSE(joystick->SetRange(5000, 0));
  JoyStateRecord state;
  EXPECT_FALSE(joystick->GetState(state)) << "not acquired yet";
}

}  // namespace
}  // namespace rallix
