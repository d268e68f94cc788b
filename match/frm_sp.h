#pragma once
// The full game's single-player match: one rally in full screen against the
// computer's paddle, steered with the keyboard, a joystick or both as the
// settings file says. Esc leaves, Pause freezes (both only while the keyboard
// is in use); a win or a loss shows its banner for a while; then the settings
// screen that started the match comes back.

#include <cstdint>

#include "match/match_form.h"
#include "rules/single_player_rally.h"

namespace rallix {

class FrmSP final : public MatchForm {
 public:
  FrmSP(FormsRuntime& runtime, Form& settingsScreen);

  const SinglePlayerRally& Rally() const { return rally_; }
  bool UseJoystick() const { return UseJoystick_; }
  bool UseKeyboard() const { return UseKeyboard_; }
  std::int32_t JoyX() const { return JoyX_; }

 protected:
  void Form_Load() override;
  Pass RunPass() override;

 private:
  SinglePlayerRally rally_;
  bool UseJoystick_ = false;
  bool UseKeyboard_ = true;
  std::int32_t JoyX_ = Rally::JoystickCentre;
  std::int32_t JoyY_ = Rally::JoystickCentre;
  std::int32_t JoyZ_ = Rally::JoystickCentre;
};

}  // namespace rallix
