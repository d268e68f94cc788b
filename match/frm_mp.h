#pragma once
// The full game's two-player match: one rally in full screen, player 1 on the
// bottom paddle and player 2 on the top one, each with the keyboard, the mouse
// or a joystick as the settings file says. Esc leaves and Pause freezes
// whatever the devices; the last picture stays 4 s when player 2 misses and
// 2 s when player 1 does; then the settings screen that started the match
// comes back.

#include <cstdint>
#include <optional>
#include <string>

#include "input/creator_input_detector.h"
#include "match/match_pointer.h"
#include "match/match_screen.h"
#include "match/two_player_rally.h"
#include "platform/forms/form.h"
#include "platform/forms/timer.h"
#include "platform/sound.h"

namespace rallix {

class FormsRuntime;

class FrmMP final : public Form {
 public:
  FrmMP(FormsRuntime& runtime, Form& settingsScreen);

  const TwoPlayerRally& Rally() const { return rally_; }
  std::uint8_t LastKey() const { return LastKey_; }
  const std::string& Player1Device() const { return Player1Device_; }
  const std::string& Player2Device() const { return Player2Device_; }
  // The identifier opened last: with two joystick players, player 2's.
  const std::string& JoystickGuid() const { return JoystickGuid_; }
  float MouseX() const { return MouseX_; }
  std::int32_t JoyX() const { return JoyX_; }
  // The ball this match draws, as loaded from its picture file; empty between
  // matches.
  Picture BallPicture() const { return screen_ ? screen_->BallPicture() : Picture{}; }

 protected:
  void CreateControls() override;
  void DestroyControls() override { design_.reset(); }
  void Form_Load() override;
  void Form_Paint() override;
  void FramePass() override;
  void Form_Unload() override;

 private:
  struct Design {
    ControlList& list;
    Timer Timer1;
    explicit Design(ControlList& controls);
  };

  void OpenJoystickIfNamed(const std::string& device, const std::string& guid);
  TwoPlayerInput ReadDevices();
  void EndRally(PassEnd end);
  void Timer1_Timer();
  void ReleaseMatch();

  Form& settingsScreen_;
  TwoPlayerRally rally_;
  std::string Player1Device_;
  std::string Player2Device_;
  std::string JoystickGuid_;
  std::uint8_t LastKey_ = 0;
  float MouseX_ = 0;
  float MouseY_ = 0;
  std::int32_t MouseButtons_ = 0;
  std::int32_t JoyX_ = Rally::JoystickCentre;
  std::int32_t JoyY_ = Rally::JoystickCentre;
  std::int32_t JoyZ_ = Rally::JoystickCentre;
  MatchPointer pointer_;
  std::optional<CreatorInputDetector> Detector;
  std::optional<SoundBuffer> hitSound_;
  std::optional<MatchScreen> screen_;
  std::optional<Design> design_;
};

}  // namespace rallix
