#pragma once
// Where each pass of a match takes its input from: the live devices or a
// replay, and a recording laid over either. A match asks its source once per
// pass and never knows which it has.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "input/creator_input_detector.h"
#include "rules/match_rally.h"
#include "rules/pass.h"

namespace rallix {

class PassInputSource {
 public:
  virtual ~PassInputSource() = default;
  // This pass's input; none when the source has run out (a replay's end).
  virtual std::optional<PassInput> Next() = 0;
};

// The devices, read through the match's input detectors: one for the keyboard
// and the mouse, and one for each player's joystick, so that two pads (even
// two of one model) each steer their own player's paddle. Only the devices
// the rally reads are read at all; a device not read, or a pad unplugged,
// keeps its last reading.
class LiveInput final : public PassInputSource {
 public:
  // A pad the rally reads must have its detector.
  LiveInput(CreatorInputDetector& keysAndMouse, CreatorInputDetector* player1Pad,
            CreatorInputDetector* player2Pad, const DevicesRead& reads);

  std::optional<PassInput> Next() override;

  // What the last pass was given.
  const PassInput& Last() const { return last_; }

 private:
  struct Pad {
    CreatorInputDetector* detector = nullptr;
    std::int32_t JoyX = Rally::JoystickCentre;
    std::int32_t JoyY = Rally::JoystickCentre;
    std::int32_t JoyZ = Rally::JoystickCentre;
    std::int32_t Read();
  };

  CreatorInputDetector& keysAndMouse_;
  Pad player1Pad_;
  Pad player2Pad_;
  DevicesRead reads_;
  PassInput last_;
  float MouseY_ = 0;
  std::int32_t MouseButtons_ = 0;
};

// The passes of a recording, in order, then nothing.
class ReplayInput final : public PassInputSource {
 public:
  explicit ReplayInput(std::span<const PassInput> passes) : passes_(passes) {}
  std::optional<PassInput> Next() override;

 private:
  std::span<const PassInput> passes_;
  std::size_t next_ = 0;
};

// Passes on what another source gives, keeping a copy of each pass's input,
// as many as a replay may hold.
class RecordingInput final : public PassInputSource {
 public:
  explicit RecordingInput(PassInputSource& source) : source_(source) {}
  std::optional<PassInput> Next() override;
  std::vector<PassInput> TakePasses() { return std::move(passes_); }
  // The match went on past the passes a replay may hold: what was kept ends
  // before the rally did.
  bool CutShort() const { return cutShort_; }

 private:
  PassInputSource& source_;
  std::vector<PassInput> passes_;
  bool cutShort_ = false;
};

}  // namespace rallix
