#include "match/match_form.h"

#include "platform/forms/runtime.h"

namespace rallix {

MatchForm::Design::Design(ControlList& controls) : list(controls), Timer1(list, "Timer1", 0) {}

MatchForm::MatchForm(FormsRuntime& runtime, Form& settingsScreen)
    : Form(runtime, FormDesign{"Rallix", kBlack, WindowState::FullScreen, 12000, 9000}),
      pointer_(runtime.Devices()),
      settingsScreen_(settingsScreen) {}

void MatchForm::CreateControls() {
  Design& d = design_.emplace(ControlsForDesign());
  d.Timer1.onTimer = [this] { Timer1_Timer(); };
}

void MatchForm::OpenSoundAndDevices() {
  hitSound_ = SoundBuffer::Load(runtime_.Sound(), FindDataFile(MatchFiles::HitSound));
  Detector.emplace();
  Detector->InitNormal(hWnd());
  LastKey_ = 0;
}

void MatchForm::TakePictures(MatchBanners banners) {
  screen_ = MatchScreen::LoadPictures(banners);
  MatchScreen::DeletePictureFiles(banners);
}

void MatchForm::Form_Paint() {
  // Only now has the window taken the whole screen, so only now is its size
  // the screen's.
  SetScreenSurface(&screen_->FitTo(runtime_.Window().Width(), runtime_.Window().Height()));
  StartFrameLoop();
}

void MatchForm::FramePass() {
  screen_->FitTo(runtime_.Window().Width(), runtime_.Window().Height());
  const Pass pass = RunPass();
  if (pass.result.hitSound) {
    hitSound_->Play();
  }
  switch (pass.result.end) {
    case PassEnd::Continue:
      screen_->DrawFrame(pass.bottomPaddle, pass.topPaddle, pass.ball);
      break;
    case PassEnd::Paused:
      break;
    case PassEnd::Escape:
    case PassEnd::Win:
    case PassEnd::Loss:
      EndRally(pass.result.end);
      break;
  }
}

void MatchForm::EndRally(PassEnd end) {
  screen_->ShowEnding(end);
  StopFrameLoop();
  design_->Timer1.SetInterval(EndingDelayMs(end));
}

void MatchForm::Timer1_Timer() {
  pointer_.Restore();
  design_->Timer1.SetInterval(0);
  ReleaseMatch();
  Unload();
  settingsScreen_.Show(ShowMode::Modal);
}

void MatchForm::Form_Unload() {
  // Also reached when the window is closed mid-match: the pointer still comes
  // back and the match lets go of its screen and devices.
  pointer_.Restore();
  ReleaseMatch();
}

void MatchForm::ReleaseMatch() {
  SetScreenSurface(nullptr);
  screen_.reset();
  hitSound_.reset();
  Detector.reset();
}

}  // namespace rallix
