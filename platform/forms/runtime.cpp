#include "platform/forms/runtime.h"

#include <SDL.h>

#include <algorithm>
#include <iostream>
#include <string>

#include "platform/devices/pad_mappings_file.h"
#include "platform/forms/event_wait.h"
#include "platform/forms/timer.h"
#include "platform/video/video_start.h"

namespace rallix {
namespace {

constexpr Nanoseconds kFrameInterval{1'000'000'000 / FramePacer::kPassesPerSecond};
// An idle screen still looks up this often: a stop signal does not wake the
// window system's wait, so this is how late SIGINT or SIGTERM can be heard.
constexpr Nanoseconds kLongestIdleWait = Milliseconds(100);

}  // namespace

class FormsRuntime::SdlLibrary {
 public:
  SdlLibrary(bool headless, const std::string& program) {
    if (headless) {
      SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
      SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    }
    // SDL would turn SIGINT and SIGTERM into a window close, which closes only
    // the form on top; the runtime ends the whole program on them instead.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Joystick support starts later, when a screen first asks for a pad; the
    // player hears of a mappings file it would hang on or choke on now.
    SetAsideRefusedMappingsFile(program);
    // No SDL timers: our own clock paces everything, and they would start a thread.
    StartSdlVideo();
  }
  ~SdlLibrary() { SDL_Quit(); }
  SdlLibrary(const SdlLibrary&) = delete;
  SdlLibrary& operator=(const SdlLibrary&) = delete;
};

FormsRuntime::FormsRuntime(RuntimeOptions options)
    : program_(std::move(options.program)),
      stopSignals_(std::make_unique<StopSignals>()),
      sdl_(std::make_unique<SdlLibrary>(options.headless, program_)),
      besideWindowOpening_(std::move(options.besideWindowOpening)),
      ownClock_(options.clock == nullptr ? std::make_unique<SteadyClock>() : nullptr),
      clock_(options.clock == nullptr ? ownClock_.get() : options.clock),
      window_(std::make_unique<GameWindow>(options.headless, options.scale)),
      sound_(std::make_unique<SoundService>(program_)),
      headless_(options.headless) {
  frameClockStart_ = clock_->Now();
  window_->DrawSharperWith(std::move(options.sharperPictures));
  if (!window_->ScaleWarning().empty()) {
    std::cerr << program_ << ": " << window_->ScaleWarning() << "\n";
  }
}

FormsRuntime::~FormsRuntime() {
  // Forms outlive the runtime in the programs' start-up code; leave none of
  // them holding controls whose clock is about to go.
  UnloadEveryForm();
}

void FormsRuntime::UnloadEveryForm() {
  const std::vector<Form*> loaded(loaded_);
  for (auto form = loaded.rbegin(); form != loaded.rend(); ++form) {
    UnloadForm(**form);
  }
}

void FormsRuntime::Show(Form& form, ShowMode) {
  requests_.push_back({Request::Kind::Show, &form});
}

void FormsRuntime::Unload(Form& form) {
  requests_.push_back({Request::Kind::Unload, &form});
}

void FormsRuntime::End() {
  requests_.push_back({Request::Kind::End, nullptr});
}

void FormsRuntime::Start(Form& startup) {
  Show(startup, ShowMode::Modeless);
  ApplyRequests();
}

void FormsRuntime::Run(Form& startup) {
  Start(startup);
  while (RunFrame()) {
  }
}

bool FormsRuntime::RunFrame() {
  if (ended_) {
    return false;
  }
  if (const int signal = StopSignals::Received(); signal != 0) {
    stoppedBy_ = signal;
    ended_ = true;
    // As when the window is closed, every form hears its unload, the last
    // shown first: a match gives the pointer back and keeps its recording.
    UnloadEveryForm();
    return false;
  }
  WaitForWork();
  PumpEvents();
  ApplyRequests();
  FireTimers();
  ApplyRequests();
  RunDuePasses();
  ApplyRequests();
  if (ended_) {
    return false;
  }
  if (!needsDraw_) {
    return true;  // the screen already shows all there is
  }
  needsDraw_ = false;
  DrawTop();
  if (Form* top = TopForm(); top != nullptr && top->paintPending_) {
    top->paintPending_ = false;
    top->Form_Paint();
    ApplyRequests();
  }
  window_->Present();
  if (framesDrawn_++ == 0) {
    sound_->OpenBeside();  // only now: the first screen did not wait for it
  }
  return !ended_;
}

void FormsRuntime::WaitForWork() {
  if (loopForm_ != nullptr) {
    WaitForFrameTime();  // a running match keeps its passes a second
    return;
  }
  if (needsDraw_) {
    return;  // a change is already waiting to be shown
  }
  Nanoseconds deadline = clock_->Now() + kLongestIdleWait;
  for (const Form* form : loaded_) {
    for (const Timer* timer : form->controls_.Timers()) {
      if (const std::optional<Nanoseconds> due = timer->NextDue()) {
        deadline = std::min(deadline, *due);
      }
    }
  }
  WaitForEventOrDeadline(*clock_, deadline, !headless_);
}

void FormsRuntime::ApplyRequests() {
  // Requests made while these are carried out (a Form_Load that shows
  // another form) join the end of the queue and are carried out in turn.
  if (!requests_.empty()) {
    needsDraw_ = true;
  }
  for (std::size_t i = 0; i < requests_.size() && !ended_; ++i) {
    const Request request = requests_[i];
    switch (request.kind) {
      case Request::Kind::Show:
        if (!request.form->loaded_) {
          LoadForm(*request.form);
        }
        if (request.form->loaded_) {
          std::erase(stack_, request.form);
          stack_.push_back(request.form);
        }
        break;
      case Request::Kind::Unload:
        UnloadForm(*request.form);
        break;
      case Request::Kind::End:
        ended_ = true;
        break;
    }
  }
  requests_.clear();
  if (!ended_ && stack_.empty() && loaded_.empty()) {
    ended_ = true;  // the last form is gone: so is the program
  }
  if (!ended_) {
    FollowTopForm();
    FollowFocusWithTextInput();
  }
}

void FormsRuntime::LoadForm(Form& form) {
  form.CreateControls();
  form.loaded_ = true;
  form.paintPending_ = true;
  loaded_.push_back(&form);
  form.Form_Load();
}

void FormsRuntime::UnloadForm(Form& form) {
  if (!form.loaded_) {
    return;
  }
  if (loopForm_ == &form) {
    loopForm_ = nullptr;
  }
  if (pressed_ != nullptr) {
    pressed_ = nullptr;
  }
  form.focused_ = nullptr;
  form.tabOrder_.clear();
  form.DestroyControls();
  form.loaded_ = false;
  form.paintPending_ = false;
  form.SetScreenSurface(nullptr);
  std::erase(stack_, &form);
  std::erase(loaded_, &form);
  form.Form_Unload();
}

void FormsRuntime::Forget(Form& form) {
  if (loopForm_ == &form) {
    loopForm_ = nullptr;
  }
  pressed_ = nullptr;
  std::erase(stack_, &form);
  std::erase(loaded_, &form);
  std::erase_if(requests_, [&form](const Request& r) { return r.form == &form; });
}

void FormsRuntime::FollowTopForm() {
  Form* top = TopForm();
  if (top == nullptr) {
    return;
  }
  const WindowShape shape = top->Shape();
  if (!haveShape_ || !(shape == shownShape_)) {
    needsDraw_ = true;
    window_->TakeShape(shape);
    shownShape_ = shape;
    haveShape_ = true;
  }
}

void FormsRuntime::FireTimers() {
  const Nanoseconds now = clock_->Now();
  // A handler's stack changes are queued until this walk is over, so no
  // form or timer comes or goes under it; indexes keep it allocation-free.
  for (std::size_t f = 0; f < loaded_.size(); ++f) {
    const std::vector<Timer*>& timers = loaded_[f]->controls_.Timers();
    for (std::size_t t = 0; t < timers.size(); ++t) {
      if (ended_) {
        return;
      }
      if (timers[t]->FireIfDue(now)) {
        needsDraw_ = true;  // a handler may have changed what is shown
      }
    }
  }
}

void FormsRuntime::StartFrameLoop(Form& form) {
  loopForm_ = &form;
  pacer_.Reset(clock_->Now());
}

void FormsRuntime::StopFrameLoop(Form& form) {
  if (loopForm_ == &form) {
    loopForm_ = nullptr;
  }
}

void FormsRuntime::RunDuePasses() {
  if (loopForm_ == nullptr || inPass_) {
    return;
  }
  const int due = pacer_.PassesDue(clock_->Now());
  for (int i = 0; i < due && loopForm_ != nullptr && !ended_; ++i) {
    inPass_ = true;
    loopForm_->FramePass();
    inPass_ = false;
    if (loopForm_ == nullptr || loopForm_->screenSurface_ == nullptr ||
        loopForm_->screenSurface_->Changed()) {
      needsDraw_ = true;
    }
    ++passesRun_;
  }
}

void FormsRuntime::DrawTop() {
  Form* top = TopForm();
  window_->BeginFrame(top != nullptr ? top->design_.backColor : kBlack);
  if (top == nullptr) {
    return;
  }
  if (top->screenSurface_ != nullptr) {
    window_->DrawSurface(*top->screenSurface_, top->screenPart_);
  }
  for (const Control* control : top->controls_.All()) {
    if (control->visible) {
      control->Paint(*window_);
    }
  }
  for (const Control* control : top->controls_.All()) {
    if (control->visible) {
      control->PaintOverlay(*window_);
    }
  }
}

void FormsRuntime::WaitForFrameTime() {
  ++framesPaced_;
  // Rounded up: a frame that woke a nanosecond before its pass was due would
  // find none due, and the next frame two.
  const Nanoseconds due =
      frameClockStart_ +
      Nanoseconds((framesPaced_ * 1'000'000'000LL + FramePacer::kPassesPerSecond - 1) /
                  FramePacer::kPassesPerSecond);
  const Nanoseconds now = clock_->Now();
  if (now > due + kFrameInterval) {
    // Far behind (a stall): count afresh from here instead of racing.
    frameClockStart_ = now;
    framesPaced_ = 0;
    return;
  }
  // Held to the schedule whatever the display does. With vsync the present
  // has already waited for the display and this sleep is short or none; a
  // present that is merely slow (a software renderer filling a large
  // screen) must not be taken for vsync and let the loop run flat out.
  clock_->SleepUntil(due);
}

Picture FormsRuntime::Snapshot() {
  DrawTop();
  return window_->ReadPixels();
}

void FormsRuntime::GiveDisplayBack() {
  window_->GiveBackDisplay();
  devices_.RevealPointer();
}

}  // namespace rallix
