#pragma once
// A rally between two players on one machine: player 1 steers the bottom
// paddle, player 2 the top one, each with the keyboard, the mouse or a
// joystick. The state of the field and one pass of the frame loop; the form
// around it reads the devices, plays the sound and draws.

#include <cstdint>
#include <string>

#include "rules/rally_rules.h"
#include "rules/single_player_rally.h"

namespace rallix {

enum class SteeringDevice { Keyboard, Mouse, Joystick };

// "Keyboard" and "Mouse" (exactly, case and all) name those devices; any other
// name, the empty one too, is a joystick's.
SteeringDevice SteeringDeviceNamed(const std::string& device);

struct TwoPlayerRally {
  Rect BallRect;
  Rect PlayerRect;   // player 1, at the bottom
  Rect Player2Rect;  // player 2, at the top
  BallMotion Ball;   // BallDX, BallDY
  std::int32_t BallSpeed = 0;
  bool Paused = false;

  // The ball starts at the left edge just under player 2's paddle, moving
  // down and to the right; both paddles start near the left edge.
  static TwoPlayerRally Start(std::int32_t ballSpeed);
};

// What the devices reported for this pass. The keyboard and the mouse are read
// every pass whoever uses them; a joystick reading counts only for a player
// who steers by joystick, each player with a reading of their own.
struct TwoPlayerInput {
  SteeringDevice player1 = SteeringDevice::Keyboard;
  SteeringDevice player2 = SteeringDevice::Keyboard;
  std::uint8_t lastKey = 0;
  float mouseX = 0;
  std::int32_t player1JoyX = Rally::JoystickCentre;
  std::int32_t player2JoyX = Rally::JoystickCentre;
};

// Steers both paddles, then honours Esc and Pause (so the paddles move in the
// pass that leaves, and while paused), then moves the ball and tests it with
// player 2's paddle on top. Win and Loss are seen from player 1.
PassResult RunTwoPlayerPass(TwoPlayerRally& rally, const TwoPlayerInput& input);

}  // namespace rallix
