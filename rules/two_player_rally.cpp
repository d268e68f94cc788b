#include "rules/two_player_rally.h"

#include "core/key_codes.h"

namespace rallix {
namespace {

void Steer(Rect& paddle, SteeringDevice device, const TwoPlayerInput& input, std::int32_t joyX) {
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

SteeringDevice SteeringDeviceNamed(const std::string& device) {
  if (device == "Keyboard") {
    return SteeringDevice::Keyboard;
  }
  if (device == "Mouse") {
    return SteeringDevice::Mouse;
  }
  return SteeringDevice::Joystick;
}

TwoPlayerRally TwoPlayerRally::Start(std::int32_t ballSpeed) {
  TwoPlayerRally rally;
  rally.BallRect = Rally::TwoPlayerBallStart;
  rally.PlayerRect = Rally::TwoPlayerBottomStart;
  rally.Player2Rect = Rally::TopPaddleStart;
  rally.Ball = {ballSpeed, ballSpeed};
  rally.BallSpeed = ballSpeed;
  // Every match starts unpaused, even after one left with Esc while paused.
  rally.Paused = false;
  return rally;
}

PassResult RunTwoPlayerPass(TwoPlayerRally& rally, const TwoPlayerInput& input) {
  Steer(rally.PlayerRect, input.player1, input, input.player1JoyX);
  Steer(rally.Player2Rect, input.player2, input, input.player2JoyX);

  if (input.lastKey == KeyCode::Escape) {
    return {PassEnd::Escape};
  }
  if (input.lastKey == KeyCode::Pause) {
    rally.Paused = !rally.Paused;
  }
  if (rally.Paused) {
    return {PassEnd::Paused};
  }

  MoveBall(rally.BallRect, rally.Ball.dx, rally.Ball.dy);
  const Collision collision = TestCollisions(rally.BallRect, rally.Ball, rally.BallSpeed,
                                             rally.PlayerRect, rally.Player2Rect);

  PassResult result{PassEnd::Continue, collision, IsPaddleHit(collision)};
  if (collision == Collision::TopWall) {
    result.end = PassEnd::Win;
  } else if (collision == Collision::BottomWall) {
    result.end = PassEnd::Loss;
  }
  return result;
}

}  // namespace rallix
