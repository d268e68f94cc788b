#include "match/frm_mp.h"

#include "frontend/settings_files.h"
#include "platform/forms/runtime.h"

namespace rallix {

FrmMP::Design::Design(ControlList& controls) : list(controls), Timer1(list, "Timer1", 0) {}

FrmMP::FrmMP(FormsRuntime& runtime, Form& settingsScreen)
    : Form(runtime, FormDesign{"Rallix", kBlack, WindowState::FullScreen, 12000, 9000}),
      settingsScreen_(settingsScreen),
      pointer_(runtime.Devices()) {}

void FrmMP::CreateControls() {
  Design& d = design_.emplace(ControlsForDesign());
  d.Timer1.onTimer = [this] { Timer1_Timer(); };
}

void FrmMP::Form_Load() {
  hitSound_ = SoundBuffer::Load(runtime_.Sound(), FindDataFile(MatchFiles::HitSound));
  Detector.emplace();
  Detector->InitNormal(hWnd());

  // Everything that can fail comes before the first file is deleted: a bad
  // settings file, a joystick that is gone or a missing picture stops the
  // match with every file still where the settings screen left it.
  const TwoPlayerSettings settings = ReadTwoPlayerSettings();
  Player1Device_ = settings.Player1Device;
  Player2Device_ = settings.Player2Device;
  // The detector holds one joystick: with two joystick players the second
  // identifier replaces the first, and both paddles follow that joystick.
  OpenJoystickIfNamed(Player1Device_, settings.Player1JoystickGuid);
  OpenJoystickIfNamed(Player2Device_, settings.Player2JoystickGuid);
  screen_ = MatchScreen::LoadPictures(MatchBanners::None);
  MatchScreen::DeletePictureFiles(MatchBanners::None);

  rally_ = TwoPlayerRally::Start(settings.BallSpeed);
  LastKey_ = 0;
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

void FrmMP::Form_Paint() {
  // Only now has the window taken the whole screen, so only now is its size
  // the screen's.
  SetScreenSurface(&screen_->FitTo(runtime_.Window().Width(), runtime_.Window().Height()));
  StartFrameLoop();
}

void FrmMP::FramePass() {
  screen_->FitTo(runtime_.Window().Width(), runtime_.Window().Height());
  const PassResult result = RunTwoPlayerPass(rally_, ReadDevices());
  if (result.hitSound) {
    hitSound_->Play();
  }
  switch (result.end) {
    case PassEnd::Continue:
      screen_->DrawFrame(rally_.PlayerRect, rally_.Player2Rect, rally_.BallRect);
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

void FrmMP::EndRally(PassEnd end) {
  screen_->ShowEnding(end);
  StopFrameLoop();
  design_->Timer1.SetInterval(EndingDelayMs(end));
}

void FrmMP::Timer1_Timer() {
  pointer_.Restore();
  design_->Timer1.SetInterval(0);
  ReleaseMatch();
  Unload();
  settingsScreen_.Show(ShowMode::Modal);
}

void FrmMP::Form_Unload() {
  // Also reached when the window is closed mid-match: the pointer still comes
  // back and the match lets go of its screen and devices.
  pointer_.Restore();
  ReleaseMatch();
}

void FrmMP::ReleaseMatch() {
  SetScreenSurface(nullptr);
  screen_.reset();
  hitSound_.reset();
  Detector.reset();
}

}  // namespace rallix
