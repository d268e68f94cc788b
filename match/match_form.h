#pragma once
// What the full game's two matches share: the set-up of sound, devices and
// pictures, the frame pass around each form's own rules, and the end that
// shows the last picture for a while and returns to the settings screen.

#include <cstdint>
#include <optional>

#include "input/creator_input_detector.h"
#include "match/match_pointer.h"
#include "match/match_screen.h"
#include "platform/audio/sound.h"
#include "platform/forms/form.h"
#include "platform/forms/timer.h"

namespace rallix {

class FormsRuntime;

class MatchForm : public Form {
 public:
  std::uint8_t LastKey() const { return LastKey_; }
  // The ball this match draws, as loaded from its picture file; empty between
  // matches.
  Picture BallPicture() const { return screen_ ? screen_->BallPicture() : Picture{}; }

 protected:
  MatchForm(FormsRuntime& runtime, Form& settingsScreen);

  // One pass of the form's own rules on its own devices.
  struct Pass {
    PassResult result;
    Rect bottomPaddle;
    Rect topPaddle;
    Rect ball;
  };
  virtual Pass RunPass() = 0;

  // The first steps of every set-up: the hit sound and a fresh detector.
  void OpenSoundAndDevices();
  // The last: load every picture, and only then delete the files, so a
  // failure anywhere before leaves every file where the settings screen put it.
  void TakePictures(MatchBanners banners);

  void CreateControls() override;
  void DestroyControls() override { design_.reset(); }
  void Form_Paint() override;
  void FramePass() override;
  void Form_Unload() override;

  std::uint8_t LastKey_ = 0;
  MatchPointer pointer_;
  std::optional<CreatorInputDetector> Detector;

 private:
  struct Design {
    ControlList& list;
    Timer Timer1;
    explicit Design(ControlList& controls);
  };

  void EndRally(PassEnd end);
  void Timer1_Timer();
  void ReleaseMatch();

  Form& settingsScreen_;
  std::optional<SoundBuffer> hitSound_;
  std::optional<MatchScreen> screen_;
  std::optional<Design> design_;
};

}  // namespace rallix
