#include "rules/single_player_rally.h"

#include "core/key_codes.h"

namespace rallix {
namespace {

SinglePlayerRally StartRally(const Rect& playerStart, std::int32_t startX, std::int32_t ballSpeed,
                             std::int32_t aiSpeed) {
  SinglePlayerRally rally;
  rally.BallRect = BallAtColumn(startX);
  rally.PlayerRect = playerStart;
  rally.AIRect = Rally::TopPaddleStart;
  rally.Ball = {ballSpeed, ballSpeed};
  rally.BallSpeed = ballSpeed;
  rally.AISpeed = aiSpeed;
  // Every match starts unpaused, even after one left with Esc while paused.
  rally.Paused = false;
  rally.PauseHeld = false;
  return rally;
}

}  // namespace

SinglePlayerRally SinglePlayerRally::FirstEdition(std::int32_t startX, std::int32_t ballSpeed,
                                                  std::int32_t aiSpeed) {
  return StartRally(Rally::FirstEditionPlayerStart, startX, ballSpeed, aiSpeed);
}

SinglePlayerRally SinglePlayerRally::FullGame(std::int32_t startX, std::int32_t ballSpeed,
                                              std::int32_t aiSpeed, bool useJoystick,
                                              bool useKeyboard) {
  SinglePlayerRally rally = StartRally(Rally::SinglePlayerStart, startX, ballSpeed, aiSpeed);
  rally.UseJoystick = useJoystick;
  rally.UseKeyboard = useKeyboard;
  return rally;
}

PassResult RunSinglePlayerPass(SinglePlayerRally& rally, const PassInput& input) {
  if (rally.UseJoystick) {
    SteerByJoystick(rally.PlayerRect, input.player1JoyX);
  }
  if (rally.UseKeyboard) {
    if (input.lastKey == KeyCode::Escape) {
      return {PassEnd::Escape};
    }
    FollowPauseKey(rally.Paused, rally.PauseHeld, input.lastKey);
    SteerByKey(rally.PlayerRect, input.lastKey);
  }
  if (rally.Paused) {
    return {PassEnd::Paused};
  }

  MoveBall(rally.BallRect, rally.Ball.dx, rally.Ball.dy);
  AICheck(rally.AIRect, rally.BallRect, rally.AISpeed);
  const Collision collision =
      TestCollisions(rally.BallRect, rally.Ball, rally.BallSpeed, rally.PlayerRect, rally.AIRect);
  return ResultOfMove(collision);
}

}  // namespace rallix
