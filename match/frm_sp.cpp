#include "match/frm_sp.h"

#include "settings/settings_files.h"

namespace rallix {

FrmSP::FrmSP(FormsRuntime& runtime, Form& settingsScreen) : MatchForm(runtime, settingsScreen) {}

void FrmSP::Form_Load() {
  OpenSoundAndDevices();
  const SinglePlayerSettings settings = ReadSinglePlayerSettings();
  UseJoystick_ = settings.UseJoystick;
  UseKeyboard_ = !settings.DisableKeyboard;
  if (UseJoystick_) {
    Detector->InitJoystick(settings.JoystickGuid);
  }
  TakePictures(MatchBanners::WinAndLoss);

  rally_ = SinglePlayerRally::FullGame(settings.BallStartX, settings.BallSpeed, settings.AISpeed);
  JoyX_ = JoyY_ = JoyZ_ = Rally::JoystickCentre;
  pointer_.Hide(PointerMotion::Free);
}

MatchForm::Pass FrmSP::RunPass() {
  // A device that is not in use is not read at all.
  if (UseJoystick_) {
    Detector->GetJoystickState(JoyX_, JoyY_, JoyZ_);
  }
  if (UseKeyboard_) {
    LastKey_ = Detector->GetKBState();
  }
  const PassResult result =
      RunSinglePlayerPass(rally_, SinglePlayerInput{.useJoystick = UseJoystick_,
                                                    .joyX = JoyX_,
                                                    .useKeyboard = UseKeyboard_,
                                                    .lastKey = LastKey_});
  return Pass{result, rally_.PlayerRect, rally_.AIRect, rally_.BallRect};
}

}  // namespace rallix
