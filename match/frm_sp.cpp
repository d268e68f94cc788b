#include "match/frm_sp.h"

#include "platform/forms/runtime.h"

namespace rallix {

FrmSP::FrmSP(FormsRuntime& runtime, Form& settingsScreen)
    : MatchForm(
          runtime, settingsScreen,
          MatchOptions{
              .design = {"Rallix", kBlack, WindowState::FullScreen, 12000, 9000},
              .look = {MatchBackground::Black, MatchBanners::WinAndLoss, MatchDisplay::FullScreen},
              .pointer = PointerMotion::Free,
          }) {}

std::int32_t FrmSP::JoyX() const {
  return Live() != nullptr ? Live()->Last().player1JoyX : Rally::JoystickCentre;
}

MatchSettings FrmSP::ReadSettingsFile() {
  return ReadSinglePlayerSettings();
}

void FrmSP::OpenDevices(const MatchSettings& settings) {
  const auto& s = std::get<SinglePlayerSettings>(settings);
  if (s.UseJoystick) {
    OpenPad(1, s.JoystickGuid);
  }
}

bool FrmSP::TakesSettings(const MatchSettings& settings) const {
  return std::holds_alternative<SinglePlayerSettings>(settings);
}

}  // namespace rallix
