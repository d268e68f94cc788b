// Listing and opening pads through CreatorInputDetector.

#include "tests/support/joystick_test_support.h"

namespace rallix {
namespace {

using namespace rallix::testing;

struct KindCase {
  const char* name;
  VirtualJoystickKind kind;
  const char* type;
};

void PrintTo(const KindCase& c, std::ostream* out) {
  *out << c.name;
}

class DetectorJoystickType : public DetectorJoystick,
                             public ::testing::WithParamInterface<KindCase> {};

TEST_P(DetectorJoystickType, ListsThePadWithItsNameAndClassicType) {
  const std::size_t before = devices.ListJoysticks().size();
  VirtualJoystick pad("Rallix Typed Pad", 2, 4, 0x1209, 0x0002, GetParam().kind);
  InitNormal();
  EXPECT_EQ(detector.JoysticksCount(), static_cast<std::int32_t>(before + 1));
  const std::int32_t index = IndexOf("Rallix Typed Pad");
  ASSERT_NE(index, 0);
  std::string guid;
  std::string name;
  std::string type;
  detector.GetJoysticks(index, guid, name, type);
  EXPECT_EQ(type, GetParam().type);
  EXPECT_FALSE(guid.empty());
}

// Low byte 4: the joystick class; second byte the subtype.
INSTANTIATE_TEST_SUITE_P(
    Kinds, DetectorJoystickType,
    ::testing::Values(KindCase{"Gamepad", VirtualJoystickKind::Gamepad, "1028"},
                      KindCase{"Wheel", VirtualJoystickKind::Wheel, "1540"},
                      KindCase{"FlightStick", VirtualJoystickKind::FlightStick, "772"},
                      KindCase{"Throttle", VirtualJoystickKind::Throttle, "772"},
                      KindCase{"ArcadeStick", VirtualJoystickKind::ArcadeStick, "516"},
                      KindCase{"ArcadePad", VirtualJoystickKind::ArcadePad, "1028"},
                      KindCase{"Unknown", VirtualJoystickKind::Unknown, "260"},
                      KindCase{"Guitar", VirtualJoystickKind::Guitar, "260"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DetectorJoystick, CountsThePadsAttachedAtInitNormal) {
  const std::size_t before = devices.ListJoysticks().size();
  VirtualJoystick left("Rallix Left Pad", 2, 4);
  VirtualJoystick right("Rallix Right Pad", 2, 4);
  InitNormal();
  EXPECT_EQ(detector.JoysticksCount(), static_cast<std::int32_t>(before + 2));
  EXPECT_NE(IndexOf("Rallix Left Pad"), 0);
  EXPECT_NE(IndexOf("Rallix Right Pad"), 0);

  VirtualJoystick late("Rallix Late Pad", 2, 4);
  EXPECT_EQ(detector.JoysticksCount(), static_cast<std::int32_t>(before + 2))
      << "the list is the one InitNormal took";
  InitNormal();
  EXPECT_EQ(detector.JoysticksCount(), static_cast<std::int32_t>(before + 3));
  EXPECT_NE(IndexOf("Rallix Late Pad"), 0);
}

TEST_F(DetectorJoystick, ANamelessPadIsListedByItsPlace) {
  VirtualJoystick pad("", 2, 4, 0x1209, 0x0003);
  InitNormal();
  const std::int32_t count = detector.JoysticksCount();
  std::string guid;
  std::string name;
  std::string type;
  detector.GetJoysticks(count, guid, name, type);
  EXPECT_EQ(name, "Joystick " + std::to_string(count));
}

TEST_F(DetectorJoystick, TwoPadsOfOneModelAreOpenedEachByItsOwnIdentifier) {
  VirtualJoystick first("Rallix Twin Pad", 2, 4);
  VirtualJoystick second("Rallix Twin Pad", 2, 4);
  InitNormal();
  std::vector<std::string> ids;
  for (std::int32_t index = 1; index <= detector.JoysticksCount(); ++index) {
    std::string guid;
    std::string name;
    std::string type;
    detector.GetJoysticks(index, guid, name, type);
    if (name == "Rallix Twin Pad") {
      ids.push_back(guid);
    }
  }
  ASSERT_EQ(ids.size(), 2u);
  EXPECT_NE(ids[0], ids[1]);

  first.SetAxis(0, kFullyLeft);
  second.SetAxis(0, kFullyRight);
  detector.InitJoystick(ids[0]);
  ReadFresh();
  const std::int32_t firstX = x;
  detector.InitJoystick(ids[1]);
  ReadFresh();
  const std::int32_t secondX = x;
  EXPECT_EQ(std::vector<std::int32_t>({firstX, secondX}), std::vector<std::int32_t>({0, 5000}))
      << "each identifier reads its own pad";
}

TEST_F(DetectorJoystick, IdentifiersAreSettingsTextAndFindThePadAgain) {
  // A name a settings file could not hold must not leak into the identifier.
  VirtualJoystick pad("Rallix \"Quoted\"\r\nPad", 2, 4);
  VirtualJoystick twin("Rallix \"Quoted\"\r\nPad", 2, 4);
  InitNormal();
  for (std::int32_t index = 1; index <= detector.JoysticksCount(); ++index) {
    std::string guid;
    std::string name;
    std::string type;
    detector.GetJoysticks(index, guid, name, type);
    EXPECT_EQ(guid.find_first_of("\"\r\n"), std::string::npos) << guid;
  }

  const std::string identifier = IdentifierOf("Rallix \"Quoted\"\r\nPad");
  const std::filesystem::path path =
      std::filesystem::path(::testing::TempDir()) / "rallix-joystick-settings.txt";
  SequentialWriter writer(path);
  writer.WriteString(identifier);
  writer.Close();
  SequentialReader reader(path);
  const std::string readBack = reader.ReadString();
  std::filesystem::remove(path);
  EXPECT_EQ(readBack, identifier);

  pad.SetAxis(0, kFullyRight);
  detector.InitJoystick(readBack);
  ReadFresh();
  EXPECT_EQ(x, 5000);
}

}  // namespace
}  // namespace rallix
