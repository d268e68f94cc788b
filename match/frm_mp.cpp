#include "match/frm_mp.h"

#include "settings/settings_files.h"

namespace rallix {

FrmMP::FrmMP(FormsRuntime& runtime, Form& settingsScreen) : MatchForm(runtime, settingsScreen) {}

void FrmMP::Form_Load() {
  OpenSoundAndDevices();

  const TwoPlayerSettings settings = ReadTwoPlayerSettings();
  Player1Device_ = settings.Player1Device;
  Player2Device_ = settings.Player2Device;
  // The detector holds one joystick: with two joystick players the second
  // identifier replaces the first, and both paddles follow that joystick.
  OpenJoystickIfNamed(Player1Device_, settings.Player1JoystickGuid);
  OpenJoystickIfNamed(Player2Device_, settings.Player2JoystickGuid);
  TakePictures(MatchBanners::None);

  rally_ = TwoPlayerRally::Start(settings.BallSpeed);
  MouseX_ = MouseY_ = 0;
  JoyX_ = JoyY_ = JoyZ_ = Rally::JoystickCentre;
  // A mouse player's paddle must not stop where the pointer meets the screen's
  // edge: the pointer is held in place and only its motion counts.
  pointer_.Hide(PointerMotion::Relative);
}

void FrmMP::OpenJoystickIfNamed(const std::string& device, const std::string& guid) {
  if (NamesJoystick(device)) {
    JoystickGuid_ = guid;
    Detector->InitJoystick(JoystickGuid_);
  }
}

MatchForm::Pass FrmMP::RunPass() {
  const PassResult result = RunTwoPlayerPass(rally_, ReadDevices());
  return Pass{result, rally_.PlayerRect, rally_.Player2Rect, rally_.BallRect};
}

TwoPlayerInput FrmMP::ReadDevices() {
  // The keyboard carries Esc and Pause and the mouse is cheap to read, so both
  // are read every pass; a joystick only for a player who uses one.
  LastKey_ = Detector->GetKBState();
  Detector->GetMouseState(MouseX_, MouseY_, MouseButtons_);
  TwoPlayerInput input{.player1 = SteeringDeviceNamed(Player1Device_),
                       .player2 = SteeringDeviceNamed(Player2Device_),
                       .lastKey = LastKey_,
                       .mouseX = MouseX_};
  if (input.player1 == SteeringDevice::Joystick) {
    Detector->GetJoystickState(JoyX_, JoyY_, JoyZ_);
    input.player1JoyX = JoyX_;
  }
  if (input.player2 == SteeringDevice::Joystick) {
    Detector->GetJoystickState(JoyX_, JoyY_, JoyZ_);
    input.player2JoyX = JoyX_;
  }
  return input;
}

}  // namespace rallix
