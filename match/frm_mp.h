#pragma once
// The full game's two-player match: one rally in full screen, player 1 on the
// bottom paddle and player 2 on the top one, each with the keyboard, the mouse
// or a joystick as the settings file says. Esc leaves and Pause freezes
// whatever the devices; the last picture stays 4 s when player 2 misses and
// 2 s when player 1 does; then the settings screen that started the match
// comes back.

#include <cstdint>
#include <string>

#include "match/match_form.h"
#include "rules/two_player_rally.h"

namespace rallix {

class FrmMP final : public MatchForm {
 public:
  FrmMP(FormsRuntime& runtime, Form& settingsScreen);

  const TwoPlayerRally& Rally() const { return rally_; }
  const std::string& Player1Device() const { return Player1Device_; }
  const std::string& Player2Device() const { return Player2Device_; }
  // The identifier opened last: with two joystick players, player 2's.
  const std::string& JoystickGuid() const { return JoystickGuid_; }
  float MouseX() const { return MouseX_; }
  std::int32_t JoyX() const { return JoyX_; }

 protected:
  void Form_Load() override;
  Pass RunPass() override;

 private:
  void OpenJoystickIfNamed(const std::string& device, const std::string& guid);
  TwoPlayerInput ReadDevices();

  TwoPlayerRally rally_;
  std::string Player1Device_;
  std::string Player2Device_;
  std::string JoystickGuid_;
  float MouseX_ = 0;
  float MouseY_ = 0;
  std::int32_t MouseButtons_ = 0;
  std::int32_t JoyX_ = Rally::JoystickCentre;
  std::int32_t JoyY_ = Rally::JoystickCentre;
  std::int32_t JoyZ_ = Rally::JoystickCentre;
};

}  // namespace rallix
