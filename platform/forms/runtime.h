#pragma once
// The forms runtime: the one window, the form stack, timers, the frame loop
// and the platform services the screens use. There are no nested event loops:
// showing, unloading and ending are requests that the main loop carries out
// between events, so the stack stays as deep as the screens on it however
// many matches are played.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/audio/sound.h"
#include "platform/devices/sdl_devices.h"
#include "platform/forms/form.h"
#include "platform/forms/side_work.h"
#include "platform/forms/stop_signals.h"
#include "platform/time/clock.h"
#include "platform/time/frame_pacer.h"
#include "platform/time/random.h"
#include "platform/video/game_window.h"

namespace rallix {

struct RuntimeOptions {
  // Null: real time. Tests pass a ManualClock and step it.
  Clock* clock = nullptr;
  // SDL's dummy video and audio drivers and a software renderer: no screen,
  // no sound card, same behaviour.
  bool headless = false;
  // How the program's messages on stderr and in its error box name it.
  std::string program = "rallix";
  // Work done on a second thread while the window opens, such as drawing
  // pictures the first screen will ask for. It starts once SDL is up, whose
  // own start it would only slow down, and must be work the screens would
  // otherwise do on demand: where there is no second thread it is skipped.
  std::function<void()> besideWindowOpening{};
  // Screen pixels per form pixel; none: the player's RALLIX_SCALE or the
  // desktop's scale (headless: 1).
  std::optional<int> scale{};
  // The artwork drawn again at the scale, sharper than blown up.
  SharperPicture sharperPictures{};
};

class FormsRuntime {
 public:
  explicit FormsRuntime(RuntimeOptions options = {});
  ~FormsRuntime();
  FormsRuntime(const FormsRuntime&) = delete;
  FormsRuntime& operator=(const FormsRuntime&) = delete;

  const std::string& Program() const { return program_; }
  Clock& TimeSource() { return *clock_; }
  RandomGenerator& Random() { return random_; }
  SoundService& Sound() { return *sound_; }
  SdlDeviceInput& Devices() { return devices_; }
  GameWindow& Window() { return *window_; }

  void Show(Form& form, ShowMode mode);
  void Unload(Form& form);
  // Ends the program at once: no form gets another event.
  void End();

  // Shows the start-up form and runs until the program ends. A RuntimeError
  // from any screen propagates out of here.
  void Run(Form& startup);

  // Stepping, for tests and tools: Start shows the first form; RunFrame runs
  // one turn of the main loop (events, timers, frame passes, drawing, pacing)
  // and returns false once the program has ended.
  void Start(Form& startup);
  bool RunFrame();
  bool Ended() const { return ended_; }
  // The signal (SIGINT, SIGTERM) that ended the program, or 0.
  int StoppedBySignal() const { return stoppedBy_; }

  Form* TopForm() const { return stack_.empty() ? nullptr : stack_.back(); }
  std::size_t StackDepth() const { return stack_.size(); }
  std::uint64_t PassesRun() const { return passesRun_; }
  // Frames drawn and shown: only when something may have changed.
  std::uint64_t FramesDrawn() const { return framesDrawn_; }
  // Draws the top form now and reads the picture back.
  Picture Snapshot();
  // Leaves full screen and frees and shows the pointer, so an error report is
  // seen on a usable desktop.
  void GiveDisplayBack();

  // Used by Form.
  void StartFrameLoop(Form& form);
  void StopFrameLoop(Form& form);
  bool FrameLoopRunning(const Form& form) const { return loopForm_ == &form; }
  // A form being destroyed leaves the stack without any further event.
  void Forget(Form& form);

 private:
  struct Request {
    enum class Kind { Show, Unload, End } kind;
    Form* form;
  };
  class SdlLibrary;

  void ApplyRequests();
  void LoadForm(Form& form);
  void UnloadForm(Form& form);
  void UnloadEveryForm();
  void PumpEvents();
  void MouseToControls(int x, int y, bool down);
  void KeyToFocusedControl(std::uint8_t keyCode, bool shift);
  void TextToFocusedControl(std::string_view utf8);
  void FollowFocusWithTextInput();
  void FireTimers();
  void RunDuePasses();
  void DrawTop();
  void WaitForWork();
  void WaitForFrameTime();
  void FollowTopForm();

  std::string program_;
  std::unique_ptr<StopSignals> stopSignals_;
  std::unique_ptr<SdlLibrary> sdl_;
  // Joined before SDL is shut down.
  SideWork besideWindowOpening_;
  std::unique_ptr<Clock> ownClock_;
  Clock* clock_;
  RandomGenerator random_;
  SdlDeviceInput devices_;
  std::unique_ptr<GameWindow> window_;
  std::unique_ptr<SoundService> sound_;
  // Headless, nothing waits for a display: the clock alone sets the pace.
  bool headless_ = false;

  std::vector<Form*> stack_;
  std::vector<Form*> loaded_;
  std::vector<Request> requests_;
  bool ended_ = false;
  int stoppedBy_ = 0;
  // Something may have changed what the window shows since it was last drawn.
  bool needsDraw_ = true;
  WindowShape shownShape_;
  bool haveShape_ = false;

  Form* loopForm_ = nullptr;
  bool inPass_ = false;
  FramePacer pacer_;
  std::uint64_t passesRun_ = 0;
  std::uint64_t framesDrawn_ = 0;

  Control* pressed_ = nullptr;
  Nanoseconds frameClockStart_{0};
  long long framesPaced_ = 0;
};

// Runs a program from its start-up form. Any failure, a run-time error or
// anything else thrown, is reported the way a player can see it (display
// given back, pointer shown, message box, stderr) and turns into exit status
// 1; SIGINT or SIGTERM ends the program with 128 + the signal's number.
int RunProgram(FormsRuntime& runtime, Form& startup);

}  // namespace rallix
