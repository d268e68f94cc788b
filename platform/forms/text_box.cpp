#include "platform/forms/text_box.h"

#include <algorithm>

#include "core/key_codes.h"
#include "platform/forms/utf8_text.h"
#include "platform/forms/widget_style.h"

namespace rallix {
namespace {

// The classic caret's blink: shown, then hidden, this long each.
constexpr int kCaretBlinkMs = 530;
constexpr int kCaretWidth = 1;
constexpr int kBevelWidth = 2;
constexpr int kTextMargin = 2;
constexpr std::size_t kNoLimit = std::string::npos;

}  // namespace

TextBox::TextBox(ControlList& list, std::string name, SurfaceRect bounds, FontChoice font)
    : Control(list, std::move(name), bounds),
      font(std::move(font)),
      caretBlink_(list, Name() + ".caretBlink", kCaretBlinkMs, /*timerEnabled=*/false) {
  caretBlink_.onTimer = [this] { caretShown_ = !caretShown_; };
}

void TextBox::SetText(std::string_view text) {
  std::string kept =
      PrintableCharacters(text, MaxLength > 0 ? static_cast<std::size_t>(MaxLength) : kNoLimit);
  const bool changed = kept != text_;
  text_ = std::move(kept);
  firstShown_ = 0;
  MoveCaret(text_.size());
  if (changed && onChange) {
    onChange();
  }
}

std::size_t TextBox::RoomLeft() const {
  if (MaxLength <= 0) {
    return kNoLimit;
  }
  const std::size_t limit = static_cast<std::size_t>(MaxLength);
  return limit - std::min(limit, CharacterCount(text_));
}

void TextBox::TextInput(std::string_view utf8) {
  InsertAtCaret(utf8);
}

void TextBox::InsertAtCaret(std::string_view utf8) {
  const std::string kept = PrintableCharacters(utf8, RoomLeft());
  if (kept.empty()) {
    return;
  }
  text_.insert(caret_, kept);
  MoveCaret(caret_ + kept.size());
  if (onChange) {
    onChange();
  }
}

void TextBox::Erase(std::size_t from, std::size_t to) {
  if (from == to) {
    return;
  }
  text_.erase(from, to - from);
  MoveCaret(from);
  if (onChange) {
    onChange();
  }
}

void TextBox::MoveCaret(std::size_t to) {
  caret_ = to;
  // A caret that has just moved is shown at once and stays a whole blink,
  // so it never vanishes while the player types.
  caretShown_ = true;
  caretBlink_.SetInterval(kCaretBlinkMs);
}

void TextBox::FollowFocus() {
  // Also called on a click elsewhere that leaves the focus here.
  caretShown_ = true;
  caretBlink_.SetEnabled(hasFocus);
}

bool TextBox::KeyDown(std::uint8_t keyCode) {
  switch (keyCode) {
    case KeyCode::LeftArrow:
      MoveCaret(PreviousCharacterStart(text_, caret_));
      return true;
    case KeyCode::RightArrow:
      MoveCaret(NextCharacterStart(text_, caret_));
      return true;
    case KeyCode::Home:
      MoveCaret(0);
      return true;
    case KeyCode::End:
      MoveCaret(text_.size());
      return true;
    case KeyCode::Backspace:
      Erase(PreviousCharacterStart(text_, caret_), caret_);
      return true;
    case KeyCode::Delete:
      Erase(caret_, NextCharacterStart(text_, caret_));
      return true;
    case KeyCode::Enter:
    case KeyCode::KeypadEnter:
      if (onEnter) {
        onEnter();
      }
      return true;
    default:
      return false;
  }
}

std::size_t TextBox::FirstShown(Painter& painter, int width) const {
  const auto fits = [&](std::size_t from, std::size_t to) {
    return painter.MeasureText(text_.substr(from, to - from), font) <= width;
  };
  // A caret moved left of the shown part brings its character to the left edge.
  std::size_t first = std::min(firstShown_, caret_);
  if (!fits(first, caret_)) {
    // A caret past the right edge: scroll just far enough to show it there.
    first = caret_;
    while (first > 0 && fits(PreviousCharacterStart(text_, first), caret_)) {
      first = PreviousCharacterStart(text_, first);
    }
  }
  // Room left empty on the right (text deleted at the end) takes back
  // hidden text from the left.
  while (first > 0 && fits(PreviousCharacterStart(text_, first), text_.size())) {
    first = PreviousCharacterStart(text_, first);
  }
  return first;
}

void TextBox::Paint(Painter& painter) const {
  painter.FillRect(bounds, enabled ? kWindowWhite : kDisabledFace);
  DrawBevel(painter, bounds, /*sunken=*/true);
  const SurfaceRect field = Inset(bounds, kBevelWidth + kTextMargin);
  const int width = field.right - field.left - kCaretWidth;
  firstShown_ = FirstShown(painter, width);
  // Only what fits is drawn: longer text would wrap onto a second line.
  std::size_t shownEnd = firstShown_;
  for (std::size_t next = NextCharacterStart(text_, shownEnd);
       next > shownEnd &&
       painter.MeasureText(text_.substr(firstShown_, next - firstShown_), font) <= width;
       next = NextCharacterStart(text_, next)) {
    shownEnd = next;
  }
  const int lineHeight = PointsToPixels(font.points) * 3 / 2;
  const int top = std::max(field.top, (bounds.top + bounds.bottom - lineHeight) / 2);
  const SurfaceRect line{field.left, top, field.right, std::min(field.bottom, top + lineHeight)};
  painter.DrawText(text_.substr(firstShown_, shownEnd - firstShown_), font, line,
                   enabled ? kWindowText : kGrayText, TextAlign::Left);
  if (hasFocus && enabled && caretShown_) {
    const int x =
        line.left + painter.MeasureText(text_.substr(firstShown_, caret_ - firstShown_), font);
    painter.FillRect(SurfaceRect{x, line.top, x + kCaretWidth, line.bottom}, kWindowText);
  }
}

}  // namespace rallix
