#pragma once
// The one match form every match runs on: the first edition's in a window and
// the full game's two in full screen. Its load sets the match up (hit sound,
// devices, settings, pictures); its first paint starts the frame loop; each
// pass takes one input, runs the rules, plays the hit and draws; the end of
// the rally shows the last picture for a while and returns to the screen that
// started the match.
//
// A match can be recorded (every match it plays is kept in a replay folder)
// or can play a replay instead of the live devices, after which the program
// ends.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "input/creator_input_detector.h"
#include "match/match_look.h"
#include "match/match_pictures.h"
#include "match/match_pointer.h"
#include "match/match_screen.h"
#include "match/pass_input_source.h"
#include "platform/audio/sound.h"
#include "platform/forms/designed_form.h"
#include "platform/forms/form.h"
#include "platform/forms/timer.h"
#include "replay/replay.h"
#include "replay/replay_folder.h"
#include "settings/match_settings.h"

namespace rallix {

class FormsRuntime;

struct MatchOptions {
  FormDesign design;
  MatchLook look;
  PointerMotion pointer = PointerMotion::Free;
};

// The controls of MatchForm, each named as the screen knows it.
struct MatchFormDesign {
  ControlList& list;
  Timer Timer1;
  // Ticks only while the last picture shows, for a match that asks to.
  Timer KeepAlive;
  explicit MatchFormDesign(ControlList& controls);
};

class MatchForm : public DesignedForm<MatchFormDesign> {
 public:
  const MatchRally& Match() const { return rally_; }
  const MatchSettings& Settings() const { return settings_; }
  std::uint8_t LastKey() const { return lastInput_.lastKey; }
  // The ball this match draws, as loaded; empty between matches.
  Picture BallPicture() const { return screen_ ? screen_->BallPicture() : Picture{}; }
  // How the last rally ended; none while it runs, or when the match was
  // closed before it ended.
  std::optional<PassEnd> Outcome() const { return outcome_; }

  // Called after every pass with the rally as it left it and the picture the
  // window shows, so tests and tools can follow a match pass by pass.
  using PassWatcher = std::function<void(const MatchRally& rally, const Surface& screen)>;
  void WatchPasses(PassWatcher watcher) { watcher_ = std::move(watcher); }

  // Every match played from now on is kept in this folder (null: none is).
  void RecordTo(ReplayFolder* folder) { replayFolder_ = folder; }
  // The next load plays this replay instead of the live devices and the
  // settings screen's files, and its end ends the program. Raises
  // ReplayError when the replay lacks a picture this match draws, or is of
  // another kind of match.
  void PlayReplay(const Replay& replay);
  // Whether the replay being played reached its end: its rally ended, or its
  // passes ran out where the match it kept was closed. Not when the player
  // stopped it (Esc, or closing the window).
  bool ReplayPlayedOut() const { return replayPlayedOut_; }
  // Whether these are the settings of this kind of match.
  virtual bool TakesSettings(const MatchSettings& settings) const = 0;

 protected:
  MatchForm(FormsRuntime& runtime, Form& returnTo, MatchOptions options);

  // The live set-up, step by step, in the order a failure must stop it: the
  // settings file first, then the devices it names; the pictures come last.
  virtual MatchSettings ReadSettingsFile() = 0;
  virtual void OpenDevices(const MatchSettings&) {}
  // Opens a player's joystick (1 at the bottom, 2 at the top) on a detector of
  // its own. An identifier that names no attached pad raises.
  void OpenPad(int player, const std::string& identifier);
  // The live devices' input, while a live match runs.
  const LiveInput* Live() const { return live_ ? &*live_ : nullptr; }
  // A player's pad as opened by OpenPad; null when none is.
  CreatorInputDetector* Pad(int player);

  // A match whose settings, pictures and passes come from elsewhere than the
  // settings screen's files and this machine's devices alone (a match between
  // two machines) sets itself up here, with UseSettings and UseRally; the
  // default plays a replay or the live devices.
  virtual MatchPictures SetUpMatch();
  // One pass of the frame loop; none when this frame runs no pass (or the
  // match has ended in it). The default gives the input source's next input
  // to the rally.
  virtual std::optional<PassResult> RunPass();
  // The passes a recording of this match keeps.
  virtual std::vector<PassInput> RecordedPasses();
  void UseSettings(const MatchSettings& settings) { settings_ = settings; }
  void UseRally(const MatchRally& rally) { rally_ = rally; }
  // Every match played is being recorded.
  bool Recording() const { return replayFolder_ != nullptr; }
  // A match set up its own way is recorded from these pictures and its
  // RecordedPasses(), when matches are being recorded.
  void RecordOwnWay(const MatchPictures& pictures);
  // The match stops before its rally ended, as when its window is closed: no
  // outcome, and the screen that started it comes back at once.
  void EndWithoutOutcome();
  // How often EndingTick comes while the last picture shows; 0: never. A
  // match over a link keeps the link answering meanwhile.
  virtual int EndingTickMs() const { return 0; }
  virtual void EndingTick() {}

  // The keyboard and the mouse.
  std::optional<CreatorInputDetector> Detector;

 private:
  void ShowEndingFor(int delayMs);

  void CreateControls() final;
  void Form_Load() final;
  void Form_Paint() final;
  void FramePass() final;
  void Form_Unload() final;

  MatchPictures SetUpLive();
  MatchPictures SetUpReplay();
  void EndRally(PassEnd end);
  bool EscapeHeld();
  void EndReplay(bool playedOut);
  void Timer1_Timer();
  void SaveRecording();
  void ReleaseMatch();

  Form& returnTo_;
  MatchOptions options_;
  MatchPointer pointer_;
  MatchSettings settings_;
  MatchRally rally_;
  PassInput lastInput_;
  std::optional<PassEnd> outcome_;

  std::optional<SoundBuffer> hitSound_;
  std::optional<MatchScreen> screen_;

  std::array<std::optional<CreatorInputDetector>, 2> pads_;
  std::optional<LiveInput> live_;
  std::optional<ReplayInput> replayInput_;
  std::optional<RecordingInput> recording_;
  std::unique_ptr<KeyboardDevice> replayKeyboard_;
  PassInputSource* input_ = nullptr;

  PassWatcher watcher_;
  ReplayFolder* replayFolder_ = nullptr;
  std::optional<Replay> replay_;
  std::optional<MatchPictures> replayPictures_;
  bool replayPlayedOut_ = false;
  std::vector<RecordedPicture> recordedPictures_;
  bool recordingOwnWay_ = false;
};

}  // namespace rallix
