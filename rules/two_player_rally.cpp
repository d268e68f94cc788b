#include "rules/two_player_rally.h"

#include "core/key_codes.h"

namespace rallix {
namespace {

void Steer(Rect& paddle, SteeringDevice device, std::uint8_t lastKey, float mouseX,
           std::int32_t joyX) {
  switch (device) {
    case SteeringDevice::Keyboard:
      SteerByKey(paddle, lastKey);
      break;
    case SteeringDevice::Mouse:
      SteerByMouse(paddle, mouseX);
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
  // On one machine the players share its keyboard and mouse.
  const std::uint8_t player2Key = rally.TwoMachines ? input.player2LastKey : input.lastKey;
  const float player2Mouse = rally.TwoMachines ? input.player2MouseX : input.mouseX;
  Steer(rally.PlayerRect, rally.Player1Device, input.lastKey, input.mouseX, input.player1JoyX);
  Steer(rally.Player2Rect, rally.Player2Device, player2Key, player2Mouse, input.player2JoyX);

  const auto eitherHolds = [&](std::uint8_t key) {
    return input.lastKey == key || player2Key == key;
  };
  if (eitherHolds(KeyCode::Escape)) {
    return {PassEnd::Escape};
  }
  FollowPauseKey(rally.Paused, rally.PauseHeld,
                 eitherHolds(KeyCode::Pause) ? KeyCode::Pause : input.lastKey);
  if (rally.Paused) {
    return {PassEnd::Paused};
  }

  MoveBall(rally.BallRect, rally.Ball.dx, rally.Ball.dy);
  const Collision collision = TestCollisions(rally.BallRect, rally.Ball, rally.BallSpeed,
                                             rally.PlayerRect, rally.Player2Rect);
  return ResultOfMove(collision);
}

}  // namespace rallix
