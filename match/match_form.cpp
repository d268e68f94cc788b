#include "match/match_form.h"

#include <iostream>
#include <string>
#include <utility>

#include "platform/forms/runtime.h"
#include "replay/replay_text.h"
#include "settings/match_files.h"

namespace rallix {

MatchFormDesign::MatchFormDesign(ControlList& controls)
    : list(controls), Timer1(list, "Timer1", 0), KeepAlive(list, "KeepAlive", 0) {}

MatchForm::MatchForm(FormsRuntime& runtime, Form& returnTo, MatchOptions options)
    : DesignedForm(runtime, options.design),
      returnTo_(returnTo),
      options_(std::move(options)),
      pointer_(runtime.Devices()) {}

void MatchForm::PlayReplay(const Replay& replay) {
  if (!TakesSettings(replay.settings)) {
    throw ReplayError("the replay is of another kind of match (" +
                      std::string(MatchKindName(replay.settings)) + ")");
  }
  // Every picture is made now, so a replay that lacks one is refused before
  // anything is shown.
  replayPictures_ = MatchPictures::FromReplay(options_.look, replay.pictures);
  replay_ = replay;
}

void MatchForm::CreateControls() {
  Design& d = BuildDesign();
  d.Timer1.onTimer = [this] { Timer1_Timer(); };
  d.KeepAlive.onTimer = [this] { EndingTick(); };
}

void MatchForm::Form_Load() {
  hitSound_ = SoundBuffer::Load(runtime_.Sound(), FindDataFile(MatchFiles::HitSound));
  lastInput_ = PassInput{};
  outcome_.reset();
  MatchPictures pictures = SetUpMatch();
  screen_.emplace(options_.look, std::move(pictures));
  // Full screen takes the screen's size only at the first paint; until then
  // the field is shown black over the form's own colour.
  SetScreenSurface(&screen_->FitTo(runtime_.Window().Width(), runtime_.Window().Height()),
                   MatchScreen::kField);
  pointer_.Hide(options_.pointer);
}

MatchPictures MatchForm::SetUpLive() {
  Detector.emplace();
  Detector->InitNormal(hWnd());
  // Everything is read and opened before any file is deleted: a bad settings
  // file, a missing pad or a missing picture stops the match with every file
  // where the settings screen put it.
  settings_ = ReadSettingsFile();
  OpenDevices(settings_);
  MatchPictures pictures = MatchPictures::LoadFiles(options_.look);
  MatchPictures::DeleteFiles(options_.look);

  rally_ = StartRally(settings_);
  live_.emplace(*Detector, pads_[0] ? &*pads_[0] : nullptr, pads_[1] ? &*pads_[1] : nullptr,
                rally_.Reads());
  input_ = &*live_;
  if (replayFolder_ != nullptr) {
    recordedPictures_ = pictures.Record();
    input_ = &recording_.emplace(*live_);
  }
  return pictures;
}

MatchPictures MatchForm::SetUpMatch() {
  return replay_ ? SetUpReplay() : SetUpLive();
}

CreatorInputDetector* MatchForm::Pad(int player) {
  std::optional<CreatorInputDetector>& pad = pads_.at(static_cast<std::size_t>(player - 1));
  return pad ? &*pad : nullptr;
}

void MatchForm::OpenPad(int player, const std::string& identifier) {
  std::optional<CreatorInputDetector>& pad = pads_.at(static_cast<std::size_t>(player - 1));
  pad.emplace();
  pad->InitNormal(hWnd());
  pad->InitJoystick(identifier);
}

MatchPictures MatchForm::SetUpReplay() {
  // No live input steers a replay, but Esc still stops it.
  replayKeyboard_ = runtime_.Devices().CreateKeyboard();
  settings_ = replay_->settings;
  rally_ = StartRally(settings_);
  input_ = &replayInput_.emplace(replay_->passes);
  // Made when the replay was handed over; made again only if it plays twice.
  if (!replayPictures_) {
    replayPictures_ = MatchPictures::FromReplay(options_.look, replay_->pictures);
  }
  MatchPictures pictures = std::move(*replayPictures_);
  replayPictures_.reset();
  return pictures;
}

void MatchForm::Form_Paint() {
  // Only now has a full-screen window taken the whole screen.
  SetScreenSurface(&screen_->FitTo(runtime_.Window().Width(), runtime_.Window().Height()),
                   MatchScreen::kField);
  StartFrameLoop();
}

bool MatchForm::EscapeHeld() {
  KeyboardState keys{};
  replayKeyboard_->GetState(keys);
  return keys[KeyCode::Escape] != 0;
}

void MatchForm::EndReplay(bool playedOut) {
  replayPlayedOut_ = playedOut;
  StopFrameLoop();
  Unload();
  runtime_.End();
}

void MatchForm::FramePass() {
  screen_->FitTo(runtime_.Window().Width(), runtime_.Window().Height());
  if (replayKeyboard_ && EscapeHeld()) {
    EndReplay(false);
    return;
  }
  const std::optional<PassResult> ran = RunPass();
  if (!ran) {
    return;
  }
  const PassResult& result = *ran;
  if (result.hitSound) {
    hitSound_->Play();
  }
  switch (result.end) {
    case PassEnd::Continue:
      screen_->DrawFrame(rally_.BottomPaddle(), rally_.TopPaddle(), rally_.Ball());
      break;
    case PassEnd::Paused:
      break;
    case PassEnd::Escape:
    case PassEnd::Win:
    case PassEnd::Loss:
      EndRally(result.end);
      break;
  }
  if (watcher_) {
    watcher_(rally_, screen_->Primary());
  }
}

std::optional<PassResult> MatchForm::RunPass() {
  const std::optional<PassInput> input = input_->Next();
  if (!input) {
    // The recording stops here: the match it kept was closed at this point.
    EndReplay(true);
    return std::nullopt;
  }
  lastInput_ = *input;
  return rally_.Pass(*input);
}

void MatchForm::EndWithoutOutcome() {
  outcome_.reset();
  StopFrameLoop();
  ShowEndingFor(kEscapeDelayMs);
  SaveRecording();
}

void MatchForm::ShowEndingFor(int delayMs) {
  design_->Timer1.SetInterval(delayMs);
  design_->KeepAlive.SetInterval(EndingTickMs());
}

void MatchForm::RecordOwnWay(const MatchPictures& pictures) {
  if (Recording()) {
    recordedPictures_ = pictures.Record();
    recordingOwnWay_ = true;
  }
}

std::vector<PassInput> MatchForm::RecordedPasses() {
  return recording_ ? recording_->TakePasses() : std::vector<PassInput>{};
}

void MatchForm::EndRally(PassEnd end) {
  outcome_ = end;
  replayPlayedOut_ = replay_.has_value();
  screen_->ShowEnding(end);
  StopFrameLoop();
  ShowEndingFor(EndingDelayMs(end));
  SaveRecording();
}

void MatchForm::Timer1_Timer() {
  pointer_.Restore();
  design_->Timer1.SetInterval(0);
  design_->KeepAlive.SetInterval(0);
  ReleaseMatch();
  Unload();
  if (replay_) {
    runtime_.End();
  } else {
    returnTo_.Show(ShowMode::Modal);
  }
}

void MatchForm::Form_Unload() {
  // Also reached when the window is closed mid-match: the pointer still comes
  // back, a recording keeps what was played, and the match lets go of its
  // screen and devices.
  pointer_.Restore();
  SaveRecording();
  ReleaseMatch();
}

void MatchForm::SaveRecording() {
  if (!recording_ && !recordingOwnWay_) {
    return;
  }
  recordingOwnWay_ = false;
  // A recording cut short at the most a replay holds ends where it was cut.
  const bool cutShort = recording_ && recording_->CutShort();
  std::vector<PassInput> passes = RecordedPasses();
  const std::optional<PassEnd> end = cutShort ? std::nullopt : outcome_;
  const Replay replay{settings_, std::move(recordedPictures_), std::move(passes), end};
  recording_.reset();
  try {
    replayFolder_->Save(replay);
  } catch (const std::exception& error) {
    // Losing a recording is no reason to stop the game, whatever became of
    // its folder meanwhile.
    std::cerr << replayFolder_->Program() << ": " << error.what() << "\n";
  }
}

void MatchForm::ReleaseMatch() {
  SetScreenSurface(nullptr);
  input_ = nullptr;
  recording_.reset();
  live_.reset();
  replayInput_.reset();
  replayKeyboard_.reset();
  screen_.reset();
  hitSound_.reset();
  Detector.reset();
  for (std::optional<CreatorInputDetector>& pad : pads_) {
    pad.reset();
  }
}

}  // namespace rallix
