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
  return rally;
}

}  // namespace

SinglePlayerRally SinglePlayerRally::FirstEdition(std::int32_t startX, std::int32_t ballSpeed,
                                                  std::int32_t aiSpeed) {
  return StartRally(Rally::FirstEditionPlayerStart, startX, ballSpeed, aiSpeed);
}

SinglePlayerRally SinglePlayerRally::FullGame(std::int32_t startX, std::int32_t ballSpeed,
                                              std::int32_t aiSpeed) {
  return StartRally(Rally::SinglePlayerStart, startX, ballSpeed, aiSpeed);
}

PassResult RunSinglePlayerPass(SinglePlayerRally& rally, const SinglePlayerInput& input) {
  if (input.useJoystick) {
    SteerByJoystick(rally.PlayerRect, input.joyX);
  }
  if (input.useKeyboard) {
    if (input.lastKey == KeyCode::Escape) {
      return {PassEnd::Escape};
    }
    if (input.lastKey == KeyCode::Pause) {
      rally.Paused = !rally.Paused;
    }
    SteerByKey(rally.PlayerRect, input.lastKey);
  }
  if (rally.Paused) {
    return {PassEnd::Paused};
  }

  MoveBall(rally.BallRect, rally.Ball.dx, rally.Ball.dy);
  AICheck(rally.AIRect, rally.BallRect, rally.AISpeed);
  const Collision collision =
      TestCollisions(rally.BallRect, rally.Ball, rally.BallSpeed, rally.PlayerRect, rally.AIRect);

  PassResult result{PassEnd::Continue, collision, IsPaddleHit(collision)};
  if (collision == Collision::TopWall) {
    result.end = PassEnd::Win;
  } else if (collision == Collision::BottomWall) {
    result.end = PassEnd::Loss;
  }
  return result;
}

}  // namespace rallix
