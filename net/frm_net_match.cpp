#include "net/frm_net_match.h"

#include <utility>
#include <vector>

#include "platform/forms/runtime.h"
#include "settings/device_names.h"

namespace rallix::net {
namespace {

// As the two-player match on one machine looks.
constexpr MatchLook kLook{MatchBackground::Black, MatchBanners::None, MatchDisplay::FullScreen};
}  // namespace

FrmNetMatch::FrmNetMatch(FormsRuntime& runtime, Form& networkScreen)
    : MatchForm(runtime, networkScreen,
                MatchOptions{
                    .design = {"Rallix", kBlack, WindowState::FullScreen, 12000, 9000},
                    .look = kLook,
                    // A mouse player's paddle must not stop at the screen's edge.
                    .pointer = PointerMotion::Relative,
                }) {}

void FrmNetMatch::Prepare(NetLink& link, NetworkMatchStart start) {
  link_ = &link;
  start_ = std::move(start);
}

bool FrmNetMatch::TakesSettings(const MatchSettings& settings) const {
  return std::holds_alternative<NetworkMatchSettings>(settings);
}

MatchSettings FrmNetMatch::ReadSettingsFile() {
  // Never reached: a network match has no settings file, and its set-up is
  // its own. The host's settings came over the link.
  return start_ ? MatchSettings(start_->settings) : MatchSettings(NetworkMatchSettings{});
}

void FrmNetMatch::OpenDevices(const MatchSettings&) {}

MatchPictures FrmNetMatch::SetUpMatch() {
  if (!start_ || link_ == nullptr) {
    return MatchForm::SetUpMatch();  // a replay of a network match
  }
  stoppedBy_.reset();
  const NetworkMatchStart& start = *start_;
  UseSettings(start.settings);
  const MatchRally rally = StartRally(start.settings);
  UseRally(rally);

  // This machine reads its own player's devices only: the keyboard always,
  // for Esc and Pause, and the mouse or the pad when that player steers
  // with it. The reading crosses the network as the player's own.
  const std::string& device =
      start.side == Side::Host ? start.settings.Player1Device : start.settings.Player2Device;
  Detector.emplace();
  Detector->InitNormal(hWnd());
  if (NamesJoystick(device)) {
    OpenPad(1, start.joystickIdentifier);
  }
  const SteeringDevice steering = SteeringDeviceNamed(device);
  local_.emplace(*Detector, Pad(1), nullptr,
                 DevicesRead{.keyboard = true,
                             .mouse = steering == SteeringDevice::Mouse,
                             .player1Joystick = steering == SteeringDevice::Joystick});
  match_.emplace(*link_, RollbackSession(rally, start.side, start.inputDelay), start.firstWirePass);
  nextFirstWirePass_ = match_->NextFirstWirePass();

  MatchPictures pictures = MatchPictures::FromReplay(
      kLook, std::vector<RecordedPicture>{{MatchPicture::BottomPaddle, "light-paddle", {}},
                                          {MatchPicture::TopPaddle, "dark-paddle", {}},
                                          {MatchPicture::Ball, start.ballArtwork, {}}});
  RecordOwnWay(pictures);
  // The next load needs a new start from the network screen.
  start_.reset();
  return pictures;
}

std::optional<PassResult> FrmNetMatch::RunPass() {
  if (!match_) {
    return MatchForm::RunPass();
  }
  PlayerReading reading;
  // A frame that runs no pass would drop the reading: a key tapped meanwhile
  // is left in the device for the next one.
  if (match_->ReadyForPass()) {
    const PassInput input = local_->Next().value_or(PassInput{});
    reading = PlayerReading{input.lastKey, input.mouseX, input.player1JoyX};
  }
  const NetFrame frame = match_->Frame(reading);
  UseRally(match_->Session().Rally());
  nextFirstWirePass_ = match_->NextFirstWirePass();
  if (frame.stop) {
    stoppedBy_ = frame.stop;
    EndWithoutOutcome();
    return std::nullopt;
  }
  PassResult result;
  result.hitSound = frame.passes.hitSound;
  if (frame.passes.end) {
    result.end = frame.passes.end->end;
  }
  return result;
}

std::vector<PassInput> FrmNetMatch::RecordedPasses() {
  return match_ ? match_->Session().ConfirmedInputs() : std::vector<PassInput>{};
}

void FrmNetMatch::EndingTick() {
  if (match_) {
    match_->KeepAlive();
  }
}

}  // namespace rallix::net
