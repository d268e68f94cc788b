#include "match/pass_input_source.h"

namespace rallix {

std::optional<PassInput> LiveInput::Next() {
  // The keyboard carries Esc and Pause; a device that is not in use is not
  // read at all, so a key tapped meanwhile is still there for its next reader.
  if (reads_.keyboard) {
    last_.lastKey = detector_.GetKBState();
  }
  if (reads_.mouse) {
    detector_.GetMouseState(last_.mouseX, MouseY_, MouseButtons_);
  }
  // An unplugged pad leaves the reading as it was, and so does its player's.
  if (reads_.player1Joystick) {
    detector_.GetJoystickState(JoyX_, JoyY_, JoyZ_);
    last_.player1JoyX = JoyX_;
  }
  if (reads_.player2Joystick) {
    detector_.GetJoystickState(JoyX_, JoyY_, JoyZ_);
    last_.player2JoyX = JoyX_;
  }
  return last_;
}

std::optional<PassInput> ReplayInput::Next() {
  if (next_ >= passes_.size()) {
    return std::nullopt;
  }
  return passes_[next_++];
}

std::optional<PassInput> RecordingInput::Next() {
  std::optional<PassInput> input = source_.Next();
  if (input) {
    passes_.push_back(*input);
  }
  return input;
}

}  // namespace rallix
