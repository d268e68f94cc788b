#include "match/frm_sp.h"

#include "frontend/settings_files.h"
#include "platform/forms/runtime.h"

namespace rallix {

FrmSP::Design::Design(ControlList& controls) : list(controls), Timer1(list, "Timer1", 0) {}

FrmSP::FrmSP(FormsRuntime& runtime, Form& settingsScreen)
    : Form(runtime, FormDesign{"Rallix", kBlack, WindowState::FullScreen, 12000, 9000}),
      settingsScreen_(settingsScreen),
      pointer_(runtime.Devices()) {}

void FrmSP::CreateControls() {
  Design& d = design_.emplace(ControlsForDesign());
  d.Timer1.onTimer = [this] { Timer1_Timer(); };
}

void FrmSP::Form_Load() {
  hitSound_ = SoundBuffer::Load(runtime_.Sound(), FindDataFile(MatchFiles::HitSound));
  Detector.emplace();
  Detector->InitNormal(hWnd());

  // Everything that can fail comes before the first file is deleted: a bad
  // settings file, a joystick that is gone or a missing picture stops the
  // match with every file still where the settings screen left it.
  const SinglePlayerSettings settings = ReadSinglePlayerSettings();
  UseJoystick_ = settings.UseJoystick;
  UseKeyboard_ = !settings.DisableKeyboard;
  if (UseJoystick_) {
    Detector->InitJoystick(settings.JoystickGuid);
  }
  screen_ = MatchScreen::LoadPictures(MatchBanners::WinAndLoss);
  MatchScreen::DeletePictureFiles(MatchBanners::WinAndLoss);

  rally_ = SinglePlayerRally::FullGame(settings.BallStartX, settings.BallSpeed, settings.AISpeed);
  LastKey_ = 0;
  JoyX_ = JoyY_ = JoyZ_ = Rally::JoystickCentre;
  pointer_.Hide(PointerMotion::Free);
}

void FrmSP::Form_Paint() {
  // Only now has the window taken the whole screen, so only now is its size
  // the screen's.
  SetScreenSurface(&screen_->FitTo(runtime_.Window().Width(), runtime_.Window().Height()));
  StartFrameLoop();
}

void FrmSP::FramePass() {
  screen_->FitTo(runtime_.Window().Width(), runtime_.Window().Height());
  ReadDevices();
  const PassResult result =
      RunSinglePlayerPass(rally_, SinglePlayerInput{.useJoystick = UseJoystick_,
                                                    .joyX = JoyX_,
                                                    .useKeyboard = UseKeyboard_,
                                                    .lastKey = LastKey_});
  if (result.hitSound) {
    hitSound_->Play();
  }
  switch (result.end) {
    case PassEnd::Continue:
      screen_->DrawFrame(rally_.PlayerRect, rally_.AIRect, rally_.BallRect);
      break;
    case PassEnd::Paused:
      break;
    case PassEnd::Escape:
    case PassEnd::Win:
    case PassEnd::Loss:
      EndRally(result.end);
      break;
  }
}

void FrmSP::ReadDevices() {
  // A device that is not in use is not read at all.
  if (UseJoystick_) {
    Detector->GetJoystickState(JoyX_, JoyY_, JoyZ_);
  }
  if (UseKeyboard_) {
    LastKey_ = Detector->GetKBState();
  }
}

void FrmSP::EndRally(PassEnd end) {
  screen_->ShowEnding(end);
  StopFrameLoop();
  design_->Timer1.SetInterval(EndingDelayMs(end));
}

void FrmSP::Timer1_Timer() {
  pointer_.Restore();
  design_->Timer1.SetInterval(0);
  ReleaseMatch();
  Unload();
  settingsScreen_.Show(ShowMode::Modal);
}

void FrmSP::Form_Unload() {
  // Also reached when the window is closed mid-match: the pointer still comes
  // back and the match lets go of its screen and devices.
  pointer_.Restore();
  ReleaseMatch();
}

void FrmSP::ReleaseMatch() {
  SetScreenSurface(nullptr);
  screen_.reset();
  hitSound_.reset();
  Detector.reset();
}

}  // namespace rallix
