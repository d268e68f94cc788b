#include "platform/forms/form.h"

#include "platform/forms/runtime.h"

namespace rallix {

Form::Form(FormsRuntime& runtime, FormDesign design)
    : runtime_(runtime), design_(std::move(design)), controls_(runtime.TimeSource()) {}

Form::~Form() {
  runtime_.Forget(*this);
}

WindowShape Form::Shape() const {
  return WindowShape{design_.caption, design_.windowState, TwipsToPixels(design_.clientWidthTwips),
                     TwipsToPixels(design_.clientHeightTwips)};
}

void Form::Show(ShowMode mode) {
  runtime_.Show(*this, mode);
}
void Form::Unload() {
  runtime_.Unload(*this);
}

WindowHandle Form::hWnd() const {
  return WindowHandle{&runtime_.Devices()};
}

void Form::SetScreenSurface(Surface* surface, SurfaceRect shownPart) {
  if (screenSurface_ != nullptr && screenSurface_ != surface) {
    runtime_.Window().Forget(*screenSurface_);
  }
  screenSurface_ = surface;
  screenPart_ = shownPart;
}

void Form::SetTabOrder(std::vector<Control*> order) {
  tabOrder_ = std::move(order);
  focused_ = nullptr;
  MoveFocus(false);
}

void Form::SetFocus(Control* control) {
  if (control == focused_) {
    return;
  }
  if (focused_ != nullptr) {
    focused_->hasFocus = false;
    focused_->LoseFocus();
  }
  focused_ = control;
  if (focused_ != nullptr) {
    focused_->hasFocus = true;
    focused_->GainFocus();
  }
}

void Form::MoveFocus(bool backwards) {
  const int count = static_cast<int>(tabOrder_.size());
  if (count == 0) {
    return;
  }
  int at = -1;
  for (int i = 0; i < count; ++i) {
    if (tabOrder_[i] == focused_) {
      at = i;
    }
  }
  for (int step = 1; step <= count; ++step) {
    const int next = at < 0 ? (backwards ? count - step : step - 1)
                            : ((at + (backwards ? -step : step)) % count + count) % count;
    Control* candidate = tabOrder_[next];
    if (candidate->visible && candidate->enabled && candidate->TakesFocus()) {
      SetFocus(candidate);
      return;
    }
  }
}

void Form::StartFrameLoop() {
  runtime_.StartFrameLoop(*this);
}
void Form::StopFrameLoop() {
  runtime_.StopFrameLoop(*this);
}
bool Form::FrameLoopRunning() const {
  return runtime_.FrameLoopRunning(*this);
}

}  // namespace rallix
