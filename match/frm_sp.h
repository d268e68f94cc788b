#pragma once
// The full game's single-player match: one rally in full screen against the
// computer's paddle, steered with the keyboard, a joystick or both as the
// settings file says. Esc leaves, Pause freezes (both only while the keyboard
// is in use); a win or a loss shows its banner for a while; then the settings
// screen that started the match comes back.

#include <cstdint>

#include "match/match_form.h"

namespace rallix {

class FrmSP final : public MatchForm {
 public:
  bool TakesSettings(const MatchSettings& settings) const override;
  FrmSP(FormsRuntime& runtime, Form& settingsScreen);

  const SinglePlayerRally& Rally() const { return *Match().SinglePlayer(); }
  bool UseJoystick() const { return Rally().UseJoystick; }
  bool UseKeyboard() const { return Rally().UseKeyboard; }
  // The pad's reading in the last pass.
  std::int32_t JoyX() const;

 protected:
  MatchSettings ReadSettingsFile() override;
  void OpenDevices(const MatchSettings& settings) override;
};

}  // namespace rallix
