#pragma once
// A rally against the computer, as both editions play it: the state of the
// field and one pass of the frame loop. The form around it supplies the key
// (and joystick) readings, plays the sound and draws.

#include <cstdint>

#include "rules/rally_rules.h"

namespace rallix {

struct SinglePlayerRally {
  Rect BallRect;
  Rect PlayerRect;
  Rect AIRect;
  BallMotion Ball;  // BallDX, BallDY
  std::int32_t BallSpeed = 0;
  std::int32_t AISpeed = 0;
  bool Paused = false;

  // The first edition's windowed match: the player starts at column 33.
  static SinglePlayerRally FirstEdition(std::int32_t startX, std::int32_t ballSpeed,
                                        std::int32_t aiSpeed);
  // The full game's single-player match: the player starts at column 161.
  static SinglePlayerRally FullGame(std::int32_t startX, std::int32_t ballSpeed,
                                    std::int32_t aiSpeed);
};

// What the devices reported for this pass. A device that is not in use is not
// read at all; its field is ignored.
struct SinglePlayerInput {
  bool useJoystick = false;
  std::int32_t joyX = Rally::JoystickCentre;
  bool useKeyboard = true;
  std::uint8_t lastKey = 0;
};

enum class PassEnd {
  Continue,  // drawn as usual
  Paused,    // nothing moved, nothing to draw
  Escape,    // leave the match at once, without drawing
  Win,       // the ball reached the top edge: show the win banner
  Loss,      // the ball reached the bottom edge: show the loss banner
};

struct PassResult {
  PassEnd end = PassEnd::Continue;
  Collision collision = Collision::None;
  bool hitSound = false;
};

PassResult RunSinglePlayerPass(SinglePlayerRally& rally, const SinglePlayerInput& input);

// How long the last picture stays on the screen after each ending.
inline constexpr int kEscapeDelayMs = 1;
inline constexpr int kWinDelayMs = 4000;
inline constexpr int kLossDelayMs = 2000;

// The delay for Escape, Win or Loss; 0 for the passes that do not end the rally.
constexpr int EndingDelayMs(PassEnd end) {
  switch (end) {
    case PassEnd::Escape:
      return kEscapeDelayMs;
    case PassEnd::Win:
      return kWinDelayMs;
    case PassEnd::Loss:
      return kLossDelayMs;
    case PassEnd::Continue:
    case PassEnd::Paused:
      break;
  }
  return 0;
}

}  // namespace rallix
