// Both matches steered by joysticks, with SDL virtual joysticks standing in
// for pads: each joystick player steers with their own pad, even when both
// pads are of one model, and a pad unplugged mid-match steers again once it
// is plugged back in.

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "match/frm_mp.h"
#include "match/frm_sp.h"
#include "settings/full_game_settings.h"
#include "tests/match/match_test_support.h"
#include "tests/support/virtual_joystick.h"

namespace rallix {
namespace {

constexpr std::int16_t kFullyLeft = -32768;
constexpr std::int16_t kFullyRight = 32767;
constexpr int kAxisX = 0;

// The identifier the service lists a pad under, found by its name.
std::string IdentifierOf(FormsRuntime& runtime, const std::string& name) {
  for (const JoystickInstance& pad : runtime.Devices().ListJoysticks()) {
    if (pad.name == name) {
      return pad.guid;
    }
  }
  ADD_FAILURE() << "no joystick named " << name;
  return {};
}

// SDL drops a joystick's moves while no window of the program has the input
// focus, and a headless window never has it; the game reads its devices in the
// background anyway, so the tests let SDL deliver them. Set before the runtime
// starts SDL's joystick subsystem, which reads it from the environment.
class BackgroundJoystickEvents {
 public:
  BackgroundJoystickEvents() { ::setenv(kHint, "1", /*overwrite=*/1); }
  ~BackgroundJoystickEvents() { ::unsetenv(kHint); }
  BackgroundJoystickEvents(const BackgroundJoystickEvents&) = delete;
  BackgroundJoystickEvents& operator=(const BackgroundJoystickEvents&) = delete;

 private:
  static constexpr const char* kHint = "SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS";
};

// The environment is set by the first base, before the runtime is made.
class SinglePlayerJoystick : private BackgroundJoystickEvents, public testing::MatchTest<FrmSP> {
 protected:
  // A match steered by the pad of this name alone, the keyboard off.
  void StartWithPadOnly(const std::string& padName, std::int16_t ballSpeed) {
    SinglePlayerSettings s;
    s.UseJoystick = true;
    s.DisableKeyboard = true;
    s.AISpeed = 6;
    s.BallSpeed = ballSpeed;
    s.BallStartX = 300;
    s.JoystickGuid = IdentifierOf(Runtime(), padName);
    WriteSinglePlayerSettings(s);
    testing::LayOutPictures(true);
    StartMatchFromSettings();
  }
};

TEST_F(SinglePlayerJoystick, ThePadAloneSteersWhenTheKeyboardIsOff) {
  VirtualJoystick pad("Rallix Test Pad One", 2, 2);
  StartWithPadOnly("Rallix Test Pad One", 3);
  ASSERT_TRUE(match.UseJoystick());

  headless.RunForMs(100);
  EXPECT_EQ(match.JoyX(), 2500) << "a pad at rest reads its centre";
  EXPECT_EQ(match.Rally().PlayerRect.left, 161);

  pad.SetAxis(kAxisX, kFullyRight);
  ASSERT_TRUE(headless.RunUntil([&] { return match.Rally().PlayerRect.left > 161; }, 200));
  EXPECT_EQ(match.JoyX(), 5000);
  const std::int32_t movedTo = match.Rally().PlayerRect.left;
  RunOnePass();
  EXPECT_EQ(match.Rally().PlayerRect.left, movedTo + 4);

  InjectKey(KeyCode::LeftArrow, true);  // the keyboard is off: no effect
  pad.SetAxis(kAxisX, 0);
  ASSERT_TRUE(headless.RunUntil([&] { return match.JoyX() == 2500; }, 200));
  const std::int32_t restingAt = match.Rally().PlayerRect.left;
  headless.RunForMs(100);
  EXPECT_EQ(match.Rally().PlayerRect.left, restingAt);
}

TEST_F(SinglePlayerJoystick, APadWithOnlyADPadSteers) {
  VirtualJoystick pad("Rallix Test Hat Pad", 0, 4, 0x1209, 0x0061, VirtualJoystickKind::Unknown, 1);
  StartWithPadOnly("Rallix Test Hat Pad", 3);
  pad.SetHat(0, kHatRight);
  ASSERT_TRUE(headless.RunUntil([&] { return match.Rally().PlayerRect.left > 161; }, 200));
  pad.SetHat(0, kHatLeft);
  ASSERT_TRUE(headless.RunUntil([&] { return match.JoyX() == 0; }, 200));
  const std::int32_t turnedAt = match.Rally().PlayerRect.left;
  RunOnePass();
  EXPECT_EQ(match.Rally().PlayerRect.left, turnedAt - 4);
}

// Unplugged, the pad's last reading stands; plugged back in, it is found again
// by its identifier within a second and steers again, even with the keyboard
// off, when nothing else could.
TEST_F(SinglePlayerJoystick, APadPluggedBackInSteersAgain) {
  std::optional<VirtualJoystick> pad;
  pad.emplace("Rallix Test Pad Back", 2, 2);
  StartWithPadOnly("Rallix Test Pad Back", 2);

  pad->SetAxis(kAxisX, kFullyRight);
  ASSERT_TRUE(headless.RunUntil([&] { return match.JoyX() == 5000; }, 200));
  pad->Detach();
  const std::int32_t before = match.Rally().PlayerRect.left;
  headless.RunForMs(100);
  EXPECT_EQ(match.JoyX(), 5000) << "the last reading stands";
  EXPECT_GT(match.Rally().PlayerRect.left, before) << "and so it still steers";

  pad.emplace("Rallix Test Pad Back", 2, 2);
  pad->SetAxis(kAxisX, kFullyLeft);
  const auto found = headless.RunUntil([&] { return match.JoyX() == 0; }, 1000);
  ASSERT_TRUE(found.has_value()) << "the pad plugged back in was not read again within a second";
  const std::int32_t turnedAt = match.Rally().PlayerRect.left;
  RunOnePass();
  EXPECT_EQ(match.Rally().PlayerRect.left, turnedAt - 4);
}

class TwoPlayerJoystick : private BackgroundJoystickEvents, public testing::MatchTest<FrmMP> {};

TEST_F(TwoPlayerJoystick, TwoPadsOfOneModelEachSteerTheirOwnPlayer) {
  VirtualJoystick padA("Rallix Test Twin", 2, 2);
  VirtualJoystick padB("Rallix Test Twin", 2, 2);
  const std::vector<JoystickInstance> pads = Runtime().Devices().ListJoysticks();
  ASSERT_EQ(pads.size(), 2u);
  TwoPlayerSettings s;
  s.BallSpeed = 3;
  s.Player1Device = s.Player2Device = "Rallix Test Twin";
  s.Player1JoystickGuid = pads[0].guid;
  s.Player2JoystickGuid = pads[1].guid;
  ASSERT_NE(s.Player1JoystickGuid, s.Player2JoystickGuid);
  WriteTwoPlayerSettings(s);
  testing::LayOutPictures(false);
  StartMatchFromSettings();

  padA.SetAxis(kAxisX, kFullyRight);
  padB.SetAxis(kAxisX, kFullyLeft);
  ASSERT_TRUE(headless.RunUntil([&] { return match.Rally().PlayerRect.left > 80; }, 500));
  EXPECT_EQ(match.JoyX(1), 5000);
  EXPECT_EQ(match.JoyX(2), 0);
  EXPECT_LE(match.Rally().Player2Rect.left, 33) << "player 2's pad points left";

  padA.SetAxis(kAxisX, 0);
  padB.SetAxis(kAxisX, kFullyRight);
  ASSERT_TRUE(headless.RunUntil([&] { return match.Rally().Player2Rect.left > 80; }, 500));
  EXPECT_EQ(match.JoyX(1), 2500);
  EXPECT_EQ(match.JoyX(2), 5000);
}

TEST_F(TwoPlayerJoystick, AJoystickPlayerAndAKeyboardPlayer) {
  VirtualJoystick pad("Rallix Test Pad C", 2, 2, 0x1209, 0x0003);
  TwoPlayerSettings s;
  s.BallSpeed = 3;
  s.Player1Device = "Keyboard";
  s.Player2Device = "Rallix Test Pad C";
  s.Player2JoystickGuid = IdentifierOf(Runtime(), "Rallix Test Pad C");
  WriteTwoPlayerSettings(s);
  testing::LayOutPictures(false);
  StartMatchFromSettings();

  InjectKeyTap(KeyCode::RightArrow);
  RunOnePass();
  InjectKeyTap(KeyCode::RightArrow);
  RunOnePass();
  EXPECT_EQ(match.Rally().PlayerRect.left, 41);
  EXPECT_EQ(match.Rally().Player2Rect.left, 33) << "a pad at rest moves nothing";

  pad.SetAxis(kAxisX, kFullyRight);
  ASSERT_TRUE(headless.RunUntil([&] { return match.Rally().Player2Rect.left > 33; }, 200));
  EXPECT_EQ(match.Rally().PlayerRect.left, 41) << "the pad steers player 2 only";
}

}  // namespace
}  // namespace rallix
