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
