#pragma once
// A one-line text box: a white field with a sunken edge where the player
// types, say, the address of another machine. Typed text (from the system's
// text input, so every keyboard layout and input method works) goes in at
// the caret; Left, Right, Home and End move the caret, Backspace and Delete
// remove a whole character, Ctrl+V pastes, Enter runs onEnter. Only
// printable characters are kept: line breaks and other control characters
// are dropped, typed or pasted.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "platform/forms/control.h"
#include "platform/forms/timer.h"

namespace rallix {

class TextBox final : public Control {
 public:
  TextBox(ControlList& list, std::string name, SurfaceRect bounds, FontChoice font);

  FontChoice font;
  // The most characters (not bytes) the box holds; 0: no limit. Input past
  // it is dropped. Lowering it leaves text already there as it is.
  int MaxLength = 0;
  // Runs after every change of the text, typed, pasted or set from code.
  std::function<void()> onChange;
  // Runs when Enter is pressed while the box has the focus.
  std::function<void()> onEnter;

  const std::string& Text() const { return text_; }
  // Keeps what the box would have let the player type (printable, within
  // MaxLength) and puts the caret at the end.
  void SetText(std::string_view text);

  void Paint(Painter& painter) const override;
  bool TakesMouse() const override { return true; }
  bool TakesFocus() const override { return true; }
  bool TakesText() const override { return true; }
  bool KeyDown(std::uint8_t keyCode) override;
  void TextInput(std::string_view utf8) override;
  void GainFocus() override { FollowFocus(); }
  void LoseFocus() override { FollowFocus(); }

 private:
  std::size_t RoomLeft() const;
  void InsertAtCaret(std::string_view utf8);
  void Erase(std::size_t from, std::size_t to);
  void MoveCaret(std::size_t to);
  void FollowFocus();
  // Where the shown part starts, moved just enough to keep the caret in a
  // field this wide.
  std::size_t FirstShown(Painter& painter, int width) const;

  std::string text_;
  std::size_t caret_ = 0;  // a byte offset, always at a character's start
  // The first character shown: only drawing can measure the text, so the
  // scroll is kept up to date when the box is painted.
  mutable std::size_t firstShown_ = 0;
  bool caretShown_ = true;
  // Blinks the caret while the box has the focus, and only then: an idle
  // screen with no box focused is drawn no more often than without one.
  Timer caretBlink_;
};

}  // namespace rallix
