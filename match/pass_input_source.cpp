#include "match/pass_input_source.h"

#include "replay/replay.h"

namespace rallix {

LiveInput::LiveInput(CreatorInputDetector& keysAndMouse, CreatorInputDetector* player1Pad,
                     CreatorInputDetector* player2Pad, const DevicesRead& reads)
    : keysAndMouse_(keysAndMouse), reads_(reads) {
  player1Pad_.detector = player1Pad;
  player2Pad_.detector = player2Pad;
}

std::int32_t LiveInput::Pad::Read() {
  // An unplugged pad leaves the reading as it was.
  detector->GetJoystickState(JoyX, JoyY, JoyZ);
  return JoyX;
}

std::optional<PassInput> LiveInput::Next() {
  // The keyboard carries Esc and Pause; a device that is not in use is not
  // read at all, so a key tapped meanwhile is still there for its next reader.
  if (reads_.keyboard) {
    last_.lastKey = keysAndMouse_.GetKBState();
  }
  if (reads_.mouse) {
    keysAndMouse_.GetMouseState(last_.mouseX, MouseY_, MouseButtons_);
  }
  if (reads_.player1Joystick) {
    last_.player1JoyX = player1Pad_.Read();
  }
  if (reads_.player2Joystick) {
    last_.player2JoyX = player2Pad_.Read();
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
  if (input && passes_.size() < kMostReplayPasses) {
    passes_.push_back(*input);
  } else if (input) {
    cutShort_ = true;
  }
  return input;
}

}  // namespace rallix
