#include "match/frm_mp.h"

#include "platform/forms/runtime.h"
#include "settings/device_names.h"

namespace rallix {

FrmMP::FrmMP(FormsRuntime& runtime, Form& settingsScreen)
    : MatchForm(runtime, settingsScreen,
                MatchOptions{
                    .design = {"Rallix", kBlack, WindowState::FullScreen, 12000, 9000},
                    .look = {MatchBackground::Black, MatchBanners::None, MatchDisplay::FullScreen},
                    // A mouse player's paddle must not stop where the pointer
                    // meets the screen's edge: the pointer is held in place
                    // and only its motion counts.
                    .pointer = PointerMotion::Relative,
                }) {}

float FrmMP::MouseX() const {
  return Live() != nullptr ? Live()->Last().mouseX : 0;
}

std::int32_t FrmMP::JoyX(int player) const {
  if (Live() == nullptr) {
    return Rally::JoystickCentre;
  }
  return player == 1 ? Live()->Last().player1JoyX : Live()->Last().player2JoyX;
}

MatchSettings FrmMP::ReadSettingsFile() {
  return ReadTwoPlayerSettings();
}

void FrmMP::OpenDevices(const MatchSettings& settings) {
  const auto& s = std::get<TwoPlayerSettings>(settings);
  // Each joystick player has a pad of their own.
  if (NamesJoystick(s.Player1Device)) {
    OpenPad(1, s.Player1JoystickGuid);
  }
  if (NamesJoystick(s.Player2Device)) {
    OpenPad(2, s.Player2JoystickGuid);
  }
}

bool FrmMP::TakesSettings(const MatchSettings& settings) const {
  return std::holds_alternative<TwoPlayerSettings>(settings);
}

}  // namespace rallix
