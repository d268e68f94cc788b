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

namespace rallix {

class FrmMP final : public MatchForm {
 public:
  bool TakesSettings(const MatchSettings& settings) const override;
  FrmMP(FormsRuntime& runtime, Form& settingsScreen);

  const TwoPlayerRally& Rally() const { return *Match().TwoPlayers(); }
  const std::string& Player1Device() const { return Players().Player1Device; }
  const std::string& Player2Device() const { return Players().Player2Device; }
  float MouseX() const;
  // Player 1's or player 2's joystick reading in the last pass.
  std::int32_t JoyX(int player) const;

 protected:
  MatchSettings ReadSettingsFile() override;
  void OpenDevices(const MatchSettings& settings) override;

 private:
  const TwoPlayerSettings& Players() const { return std::get<TwoPlayerSettings>(Settings()); }
};

}  // namespace rallix
