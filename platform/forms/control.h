#pragma once
// Controls: the pieces a form is built from. A control registers itself with
// its form's control list when it is made and leaves it when destroyed, so a
// form's controls come and go with its design state (loading builds them,
// unloading destroys them) while the form's own variables stay.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/time/clock.h"
#include "platform/video/painter.h"

namespace rallix {

// Form layouts are designed in twips; 15 twips make one pixel.
inline constexpr int kTwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}
// A control's place, given as the designer gives it: left, top, width, height in twips.
constexpr SurfaceRect Twips(int left, int top, int width, int height) {
  return SurfaceRect{TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(left + width),
                     TwipsToPixels(top + height)};
}

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlack{0, 0, 0};
// The colour a form shows where nothing is drawn, when its design sets none.
inline constexpr Rgb kButtonFace{240, 240, 240};

class Control;
class Timer;

class ControlList {
 public:
  explicit ControlList(Clock& clock) : clock_(clock) {}
  ControlList(const ControlList&) = delete;
  ControlList& operator=(const ControlList&) = delete;

  Clock& TimeSource() const { return clock_; }
  // In the order they were made: later controls are drawn over earlier ones.
  const std::vector<Control*>& All() const { return controls_; }
  const std::vector<Timer*>& Timers() const { return timers_; }
  // The control a click at this point goes to: the topmost visible one there,
  // if it is enabled and handles clicks.
  Control* ClickTargetAt(int x, int y) const;
  bool Empty() const { return controls_.empty(); }

 private:
  friend class Control;
  friend class Timer;
  Clock& clock_;
  std::vector<Control*> controls_;
  std::vector<Timer*> timers_;
};

class Control {
 public:
  Control(ControlList& list, std::string name, SurfaceRect bounds);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  SurfaceRect bounds;
  bool visible = true;
  bool enabled = true;
  // Raised when the left button is pressed and released over the control.
  std::function<void()> onClick;

  virtual void Paint(Painter& painter) const = 0;
  // Drawn after every control, over them (an open drop-down list).
  virtual void PaintOverlay(Painter&) const {}
  virtual bool OverlayOpen() const { return false; }
  virtual bool Contains(int x, int y) const;

  // Mouse and keyboard, as the runtime delivers them. By default a press and
  // release of the left button over the control is a click.
  virtual bool TakesMouse() const { return static_cast<bool>(onClick); }
  virtual void MouseDown(int, int) {}
  virtual void MouseUp(int x, int y) {
    if (Contains(x, y) && onClick) {
      onClick();
    }
  }
  // A key while the control has the focus; true when it used the key.
  virtual bool KeyDown(std::uint8_t) { return false; }
  virtual bool TakesFocus() const { return false; }
  // Text typed (or pasted) while the control has the focus, in UTF-8. The
  // system's text input runs only while a control that takes text has it,
  // so keys pressed elsewhere (in a match) never turn into text.
  virtual bool TakesText() const { return false; }
  virtual void TextInput(std::string_view) {}
  virtual void GainFocus() {}
  // Clicking elsewhere, or the focus moving on, closes what the control opened.
  virtual void LoseFocus() {}
  bool hasFocus = false;

 protected:
  ControlList& list_;

 private:
  std::string name_;
};

}  // namespace rallix
