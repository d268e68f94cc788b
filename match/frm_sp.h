#pragma once
// The full game's single-player match: one rally in full screen against the
// computer's paddle, steered with the keyboard, a joystick or both as the
// settings file says. Esc leaves, Pause freezes (both only while the keyboard
// is in use); a win or a loss shows its banner for a while; then the settings
// screen that started the match comes back.

#include <cstdint>
#include <optional>

#include "input/creator_input_detector.h"
#include "match/match_pointer.h"
#include "match/match_screen.h"
#include "match/single_player_rally.h"
#include "platform/forms/form.h"
#include "platform/forms/timer.h"
#include "platform/sound.h"

namespace rallix {

class FormsRuntime;

class FrmSP final : public Form {
 public:
  FrmSP(FormsRuntime& runtime, Form& settingsScreen);

  const SinglePlayerRally& Rally() const { return rally_; }
  std::uint8_t LastKey() const { return LastKey_; }
  bool UseJoystick() const { return UseJoystick_; }
  bool UseKeyboard() const { return UseKeyboard_; }
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

  void ReadDevices();
  void EndRally(PassEnd end);
  void Timer1_Timer();
  void ReleaseMatch();

  Form& settingsScreen_;
  SinglePlayerRally rally_;
  bool UseJoystick_ = false;
  bool UseKeyboard_ = true;
  std::uint8_t LastKey_ = 0;
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
