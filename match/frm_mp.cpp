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

std::int32_t FrmMP::JoyX() const {
  return Live() != nullptr ? Live()->JoyX() : Rally::JoystickCentre;
}

MatchSettings FrmMP::ReadSettingsFile() {
  return ReadTwoPlayerSettings();
}

void FrmMP::OpenDevices(const MatchSettings& settings) {
  const auto& s = std::get<TwoPlayerSettings>(settings);
  // The detector holds one joystick: with two joystick players the second
  // identifier replaces the first, and both paddles follow that joystick.
  OpenJoystickIfNamed(s.Player1Device, s.Player1JoystickGuid);
  OpenJoystickIfNamed(s.Player2Device, s.Player2JoystickGuid);
}

void FrmMP::OpenJoystickIfNamed(const std::string& device, const std::string& guid) {
  if (NamesJoystick(device)) {
    JoystickGuid_ = guid;
    Detector->InitJoystick(JoystickGuid_);
  }
}

bool FrmMP::TakesSettings(const MatchSettings& settings) const {
  return std::holds_alternative<TwoPlayerSettings>(settings);
}

}  // namespace rallix
