#pragma once
// What one pass of any match takes and gives. The input is everything a pass
// reads from the devices, as one plain value: the live devices and a replay
// hand over the same thing, and the rules neither know nor care which.

#include <cstdint>

#include "core/key_codes.h"
#include "rules/rally_rules.h"

namespace rallix {

struct PassInput {
  // LastKey: the highest key code held (0 none).
  std::uint8_t lastKey = KeyCode::None;
  // MouseX: the mouse's movement across since the previous pass.
  float mouseX = 0;
  // JoyX of each player's joystick, 0..5000: the bottom player's, then the top one's.
  std::int32_t player1JoyX = Rally::JoystickCentre;
  std::int32_t player2JoyX = Rally::JoystickCentre;
  // The top player's own keyboard and mouse, in a match between two machines,
  // where each player has theirs; on one machine both players share the ones
  // above and these stay as they are.
  std::uint8_t player2LastKey = KeyCode::None;
  float player2MouseX = 0;
  friend bool operator==(const PassInput&, const PassInput&) = default;
};

// What one player's own machine reads for a pass in a match between two
// machines: that player's keyboard, mouse and joystick, each as a pass takes
// it. This, bit for bit, is what crosses the network.
struct PlayerReading {
  std::uint8_t lastKey = KeyCode::None;
  float mouseX = 0;
  std::int32_t joyX = Rally::JoystickCentre;
  friend bool operator==(const PlayerReading&, const PlayerReading&) = default;
};

// A pass's input from the two machines' readings: the host's player steers
// the bottom paddle, the guest's the top one.
constexpr PassInput PassInputOf(const PlayerReading& bottom, const PlayerReading& top) {
  return {bottom.lastKey, bottom.mouseX, bottom.joyX, top.joyX, top.lastKey, top.mouseX};
}

enum class PassEnd {
  Continue,  // drawn as usual
  Paused,    // nothing moved, nothing to draw
  Escape,    // leave the match at once, without drawing
  Win,       // the ball reached the top edge: show the win banner
  Loss,      // the ball reached the bottom edge: show the loss banner
};

inline bool EndsTheRally(PassEnd end) {
  return end == PassEnd::Escape || end == PassEnd::Win || end == PassEnd::Loss;
}

struct PassResult {
  PassEnd end = PassEnd::Continue;
  Collision collision = Collision::None;
  bool hitSound = false;
};

// A pass in which the ball moved: the collision test that acted decides the
// rest. The top edge is the bottom side's win, the bottom edge its loss.
inline PassResult ResultOfMove(Collision collision) {
  PassResult result{PassEnd::Continue, collision, IsPaddleHit(collision)};
  if (collision == Collision::TopWall) {
    result.end = PassEnd::Win;
  } else if (collision == Collision::BottomWall) {
    result.end = PassEnd::Loss;
  }
  return result;
}

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
