#pragma once
// A form: one screen of the game. Each form class has one long-lived
// instance; loading builds its controls from the design and runs Form_Load,
// unloading destroys the controls but keeps the form's own variables, which a
// screen may rely on from one visit to the next.

#include <string>
#include <vector>

#include "platform/devices/devices.h"
#include "platform/forms/control.h"
#include "platform/video/game_window.h"

namespace rallix {

class FormsRuntime;
class Surface;

struct FormDesign {
  std::string caption;
  Rgb backColor = kButtonFace;
  WindowState windowState = WindowState::Normal;
  int clientWidthTwips = 0;
  int clientHeightTwips = 0;
};

enum class ShowMode { Modeless, Modal };

class Form {
 public:
  Form(FormsRuntime& runtime, FormDesign design);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const FormDesign& Design() const { return design_; }
  bool IsLoaded() const { return loaded_; }
  const ControlList& Controls() const { return controls_; }
  WindowShape Shape() const;

  // Stack changes are requested here and carried out by the runtime between
  // events, never while it is walking the stack.
  void Show(ShowMode mode = ShowMode::Modeless);
  void Unload();

  Control* Focused() const { return focused_; }
  void SetFocus(Control* control);
  void MoveFocus(bool backwards);

 protected:
  // Builds the controls in their design state.
  virtual void CreateControls() = 0;
  // Destroys them; the form's own variables are left as they are.
  virtual void DestroyControls() = 0;
  virtual void Form_Load() {}
  // The first paint after a load (later repaints are the runtime's own work).
  virtual void Form_Paint() {}
  // One pass of the form's frame loop, called at a fixed rate while it runs.
  // A form with a screen surface shows its passes through that surface
  // alone: a pass that leaves it as it was (a paused match) draws nothing.
  virtual void FramePass() {}
  // Called when the form is unloaded, after its controls are gone.
  virtual void Form_Unload() {}

  ControlList& ControlsForDesign() { return controls_; }
  WindowHandle hWnd() const;

  // A surface shown at the window's top-left, under the controls: where a
  // match puts its frames. Null: none.
  // `shownPart`: the only part ever drawn on; the rest stays the form's
  // colour, which the window shows without copying it. Whole: all of it.
  // The window lets go of the surface it showed before.
  void SetScreenSurface(Surface* surface, SurfaceRect shownPart = {});
  // The order Tab walks the controls that take the focus; the first one that
  // can take it has it when the form loads.
  void SetTabOrder(std::vector<Control*> order);
  void StartFrameLoop();
  void StopFrameLoop();
  bool FrameLoopRunning() const;

  FormsRuntime& runtime_;

 private:
  friend class FormsRuntime;
  FormDesign design_;
  ControlList controls_;
  bool loaded_ = false;
  bool paintPending_ = false;
  Surface* screenSurface_ = nullptr;
  SurfaceRect screenPart_;
  std::vector<Control*> tabOrder_;
  Control* focused_ = nullptr;
};

}  // namespace rallix
