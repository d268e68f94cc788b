// Pads of different makes read alike: a pad SDL knows as a game controller
// (from its own database, or from the player's mapping file) reads its left
// stick or D-pad as x and y and its face buttons first; a pad with only a
// D-pad steers through it.

#include <cstdlib>

#include "tests/support/joystick_test_support.h"

namespace rallix {
namespace {

using namespace rallix::testing;

using Buttons8 = std::array<std::uint8_t, 8>;
constexpr std::uint8_t kDown = 0x80;

// SDL maps a pad it knows onto its standard layout. Real pads are matched
// by the bus, vendor and product in their GUID, which a virtual device never
// carries; for a virtual pad of the gamepad kind SDL makes the mapping itself:
// left stick on axes 0 and 1, A B X Y on buttons 0 to 3, Back 4, Guide 5,
// Start 6, the sticks' clicks 7 and 8, the shoulders 9 and 10, the D-pad's
// up, down, left and right on 11 to 14.
TEST_F(DetectorJoystick, APadSdlKnowsReadsThroughItsMapping) {
  VirtualJoystick pad("Rallix Known Pad", 6, 15, 0x1209, 0x0053, VirtualJoystickKind::Gamepad);
  InitNormal();
  detector.InitJoystick(IdentifierOf("Rallix Known Pad"));

  pad.SetAxis(0, kFullyRight);
  pad.SetAxis(1, kFullyLeft);
  pad.SetButton(1, true);  // B
  pad.SetButton(9, true);  // the left shoulder: fifth in the face-first order
  ReadFresh();
  EXPECT_EQ(x, 5000);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(Buttons(), (Buttons8{kDown, 0, 0, kDown, 0, 0, 0, 0}));

  // The D-pad wins over the stick while it is held.
  pad.SetButton(13, true);  // left
  pad.SetButton(12, true);  // down
  ReadFresh();
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 5000);
}

// SDL reads the player's mapping file when its game-controller support
// starts, so the first base names it before the devices are made.
class PlayerMappingFile {
 public:
  PlayerMappingFile() { ::setenv(kVariable, RALLIX_TEST_PAD_MAPPINGS, /*overwrite=*/1); }
  ~PlayerMappingFile() { ::unsetenv(kVariable); }
  PlayerMappingFile(const PlayerMappingFile&) = delete;
  PlayerMappingFile& operator=(const PlayerMappingFile&) = delete;

 private:
  static constexpr const char* kVariable = "SDL_GAMECONTROLLERCONFIG_FILE";
};

class MappedPad : private PlayerMappingFile, public DetectorJoystick {};

TEST_F(MappedPad, APadInThePlayersMappingFileReadsThroughIt) {
  // Read as SDL numbers its controls, this pad would steer with axis 0.
  VirtualJoystick pad("Rallix Mapped Pad", 4, 8, 0x1209, 0x0050);
  InitNormal();
  detector.InitJoystick(IdentifierOf("Rallix Mapped Pad"));

  pad.SetAxis(0, kFullyRight);
  pad.SetAxis(2, kFullyLeft);
  pad.SetAxis(3, kFullyRight);
  pad.SetButton(4, true);  // B in the file
  ReadFresh();
  EXPECT_EQ(x, 0) << "x is the mapped left stick, not axis 0";
  EXPECT_EQ(y, 5000);
  EXPECT_EQ(Buttons(), (Buttons8{kDown, 0, 0, 0, 0, 0, 0, 0}));

  pad.SetButton(1, true);  // D-pad right in the file
  ReadFresh();
  EXPECT_EQ(x, 5000);
}

struct HatCase {
  std::uint8_t hat;
  std::int32_t x;
  std::int32_t y;
};

TEST_F(DetectorJoystick, APadWithOnlyAHatSteersWithIt) {
  VirtualJoystick pad("Rallix Hat Pad", 0, 4, 0x1209, 0x0051, VirtualJoystickKind::Unknown, 1);
  InitNormal();
  detector.InitJoystick(IdentifierOf("Rallix Hat Pad"));
  const HatCase cases[] = {
      {kHatCentred, 2500, 2500},
      {kHatLeft, 0, 2500},
      {kHatRight, 5000, 2500},
      {kHatUp, 2500, 0},
      {kHatRight | kHatDown, 5000, 5000},
  };
  for (const HatCase& c : cases) {
    pad.SetHat(0, c.hat);
    ReadFresh();
    EXPECT_EQ(x, c.x) << "hat " << int{c.hat};
    EXPECT_EQ(y, c.y) << "hat " << int{c.hat};
  }
}

TEST_F(DetectorJoystick, AJoystickWithAxesKeepsThemOverItsHat) {
  VirtualJoystick stick("Rallix Hat Stick", 2, 4, 0x1209, 0x0052, VirtualJoystickKind::Unknown, 1);
  InitNormal();
  detector.InitJoystick(IdentifierOf("Rallix Hat Stick"));
  stick.SetHat(0, kHatLeft);
  ReadFresh();
  EXPECT_EQ(x, 2500) << "an unknown joystick reads its axes, as it always did";
}

}  // namespace
}  // namespace rallix
