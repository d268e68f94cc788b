#include "rules/two_player_rally.h"

#include "core/key_codes.h"

namespace rallix {
namespace {

void Steer(Rect& paddle, SteeringDevice device, const PassInput& input, std::int32_t joyX) {
  switch (device) {
    case SteeringDevice::Keyboard:
      SteerByKey(paddle, input.lastKey);
      break;
    case SteeringDevice::Mouse:
      SteerByMouse(paddle, input.mouseX);
      break;
    case SteeringDevice::Joystick:
      SteerByJoystick(paddle, joyX);
      break;
  }
}

}  // namespace

TwoPlayerRally TwoPlayerRally::Start(std::int32_t ballSpeed, SteeringDevice player1,
                                     SteeringDevice player2) {
  TwoPlayerRally rally;
  rally.BallRect = Rally::TwoPlayerBallStart;
  rally.PlayerRect = Rally::TwoPlayerBottomStart;
  rally.Player2Rect = Rally::TopPaddleStart;
  rally.Ball = {ballSpeed, ballSpeed};
  rally.BallSpeed = ballSpeed;
  // Every match starts unpaused, even after one left with Esc while paused.
  rally.Paused = false;
  rally.PauseHeld = false;
  rally.Player1Device = player1;
  rally.Player2Device = player2;
  return rally;
}

PassResult RunTwoPlayerPass(TwoPlayerRally& rally, const PassInput& input) {
  Steer(rally.PlayerRect, rally.Player1Device, input, input.player1JoyX);
  Steer(rally.Player2Rect, rally.Player2Device, input, input.player2JoyX);

  if (input.lastKey == KeyCode::Escape) {
    return {PassEnd::Escape};
  }
  FollowPauseKey(rally.Paused, rally.PauseHeld, input.lastKey);
  if (rally.Paused) {
    return {PassEnd::Paused};
  }

  MoveBall(rally.BallRect, rally.Ball.dx, rally.Ball.dy);
  const Collision collision = TestCollisions(rally.BallRect, rally.Ball, rally.BallSpeed,
                                             rally.PlayerRect, rally.Player2Rect);
  return ResultOfMove(collision);
}

}  // namespace rallix
