// Both matches steered by joysticks, with SDL virtual joysticks standing in
// for pads. The detector holds one joystick, so two joystick players both
// follow the one named last in the settings file.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

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
class SinglePlayerJoystick : private BackgroundJoystickEvents, public testing::MatchTest<FrmSP> {};

TEST_F(SinglePlayerJoystick, ThePadAloneSteersWhenTheKeyboardIsOff) {
  VirtualJoystick pad("Rallix Test Pad One", 2, 2);
  SinglePlayerSettings s;
  s.UseJoystick = true;
  s.DisableKeyboard = true;
  s.AISpeed = 6;
  s.BallSpeed = 3;
  s.BallStartX = 300;
  s.JoystickGuid = IdentifierOf(Runtime(), "Rallix Test Pad One");
  WriteSinglePlayerSettings(s);
  testing::LayOutPictures(true);
  StartMatchFromSettings();
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

class TwoPlayerJoystick : private BackgroundJoystickEvents, public testing::MatchTest<FrmMP> {};

TEST_F(TwoPlayerJoystick, TwoJoystickPlayersBothFollowThePadNamedLast) {
  VirtualJoystick padA("Rallix Test Pad A", 2, 2);
  VirtualJoystick padB("Rallix Test Pad B", 2, 2, 0x1209, 0x0002);
  TwoPlayerSettings s;
  s.BallSpeed = 3;
  s.Player1Device = "Rallix Test Pad A";
  s.Player2Device = "Rallix Test Pad B";
  s.Player1JoystickGuid = IdentifierOf(Runtime(), "Rallix Test Pad A");
  s.Player2JoystickGuid = IdentifierOf(Runtime(), "Rallix Test Pad B");
  ASSERT_NE(s.Player1JoystickGuid, s.Player2JoystickGuid);
  WriteTwoPlayerSettings(s);
  testing::LayOutPictures(false);
  StartMatchFromSettings();
  EXPECT_EQ(match.JoystickGuid(), s.Player2JoystickGuid);

  padA.SetAxis(kAxisX, kFullyLeft);  // opened, then replaced: nobody reads it
  padB.SetAxis(kAxisX, kFullyRight);
  ASSERT_TRUE(headless.RunUntil([&] { return match.Rally().PlayerRect.left > 33; }, 200));
  headless.RunForMs(100);
  EXPECT_GT(match.Rally().PlayerRect.left, 33);
  EXPECT_EQ(match.Rally().Player2Rect.left, match.Rally().PlayerRect.left)
      << "both paddles follow pad B";
  EXPECT_EQ(match.Rally().Player2Rect.right, match.Rally().Player2Rect.left + 210);
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
  EXPECT_EQ(match.JoystickGuid(), s.Player2JoystickGuid);

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
