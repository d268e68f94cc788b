#pragma once
// A rally between two players on one machine: player 1 steers the bottom
// paddle, player 2 the top one, each with the keyboard, the mouse or a
// joystick. The state of the field, who steers with what, and one pass of the
// frame loop; the form around it reads the devices, plays the sound and draws.

#include <cstdint>

#include "rules/pass.h"
#include "rules/rally_rules.h"

namespace rallix {

struct TwoPlayerRally {
  Rect BallRect;
  Rect PlayerRect;   // player 1, at the bottom
  Rect Player2Rect;  // player 2, at the top
  BallMotion Ball;   // BallDX, BallDY
  std::int32_t BallSpeed = 0;
  bool Paused = false;
  // Pause was reported in the previous pass: a held key pauses only once.
  bool PauseHeld = false;
  SteeringDevice Player1Device = SteeringDevice::Keyboard;
  SteeringDevice Player2Device = SteeringDevice::Keyboard;
  // Each player on a machine of their own: player 2's keys and mouse are their
  // own (the input's player2 fields), and Esc or Pause from either counts.
  bool TwoMachines = false;

  // The ball starts at the left edge just under player 2's paddle, moving
  // down and to the right; both paddles start near the left edge.
  static TwoPlayerRally Start(std::int32_t ballSpeed,
                              SteeringDevice player1 = SteeringDevice::Keyboard,
                              SteeringDevice player2 = SteeringDevice::Keyboard);
};

// Each paddle follows its own player's device: the keys, the mouse's motion,
// or that player's joystick reading (between two machines, each player's own). Steers both paddles,
// then honours Esc and Pause whoever steers with what (so the paddles move in the pass that leaves,
// and while paused), then moves the ball and tests it with player 2's paddle
// on top. Win and Loss are seen from player 1.
PassResult RunTwoPlayerPass(TwoPlayerRally& rally, const PassInput& input);

}  // namespace rallix
