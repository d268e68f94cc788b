#include "rules/rally_rules.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/key_codes.h"
#include "rules/checked.h"

namespace rallix {
namespace {

void StepPaddle(Rect& paddle, std::int32_t step) {
  paddle.left = Checked::Add(paddle.left, step);
  paddle.right = Checked::Add(paddle.left, Rally::PaddleWidth);
}

void StepComputerPaddle(Rect& aiRect, std::int32_t step) {
  aiRect.left = Checked::Add(aiRect.left, step);
  aiRect.right = Checked::Add(aiRect.left, Rally::ComputerPaddleWidth);
}

}  // namespace

Rect BallAtColumn(std::int32_t x) {
  return Rect{x, 0, Checked::Add(x, Rally::BallSize), Rally::BallSize};
}

void SteerByKey(Rect& paddle, std::uint8_t lastKey) {
  if (lastKey == KeyCode::LeftArrow && paddle.left > Rally::PaddleLeftBound) {
    StepPaddle(paddle, -Rally::PaddleStep);
  } else if (lastKey == KeyCode::RightArrow && paddle.left < Rally::PaddleRightBound) {
    StepPaddle(paddle, Rally::PaddleStep);
  }
}

void SteerByJoystick(Rect& paddle, std::int32_t joyX) {
  if (joyX > Rally::JoystickCentre && paddle.left < Rally::PaddleRightBound) {
    StepPaddle(paddle, Rally::PaddleStep);
  }
  if (joyX < Rally::JoystickCentre && paddle.left > Rally::PaddleLeftBound) {
    StepPaddle(paddle, -Rally::PaddleStep);
  }
}

void SteerByMouse(Rect& paddle, float mouseX) {
  const bool wantsLeft = mouseX < 0 && paddle.left > Rally::PaddleLeftBound;
  const bool wantsRight = mouseX > 0 && paddle.left < Rally::PaddleRightBound;
  if (!wantsLeft && !wantsRight) {
    return;
  }
  // Formed in floating point, then held inside 32 bits: an absurd reading
  // (a driver glitch) pins the paddle far off-field instead of overflowing.
  const double target = static_cast<double>(paddle.left) + std::floor(mouseX / 2.0);
  constexpr double lowest = std::numeric_limits<std::int32_t>::min() / 2;
  constexpr double highest = std::numeric_limits<std::int32_t>::max() / 2;
  paddle.left = static_cast<std::int32_t>(std::clamp(target, lowest, highest));
  paddle.right = Checked::Add(paddle.left, Rally::PaddleWidth);
}

void MoveBall(Rect& ball, std::int32_t dx, std::int32_t dy) {
  ball.left = Checked::Add(ball.left, dx);
  ball.top = Checked::Add(ball.top, dy);
  ball.right = Checked::Add(ball.left, Rally::BallSize);
  ball.bottom = Checked::Add(ball.top, Rally::BallSize);
}

void FollowPauseKey(bool& paused, bool& pauseHeld, std::uint8_t lastKey) {
  const bool pauseDown = lastKey == KeyCode::Pause;
  if (pauseDown && !pauseHeld) {
    paused = !paused;
  }
  pauseHeld = pauseDown;
}

void AICheck(Rect& aiRect, const Rect& ballRect, std::int32_t aiSpeed) {
  if (ballRect.left > Checked::Add(aiRect.left, Rally::ComputerChaseRightOffset) &&
      aiRect.left < Rally::ComputerRightBound) {
    StepComputerPaddle(aiRect, aiSpeed);
  }
  if (ballRect.left < Checked::Add(aiRect.left, Rally::ComputerChaseLeftOffset) &&
      aiRect.left > Rally::ComputerLeftBound) {
    StepComputerPaddle(aiRect, Checked::Negate(aiSpeed));
  }
}

Collision TestCollisions(const Rect& ball, BallMotion& motion, std::int32_t ballSpeed,
                         const Rect& bottomPaddle, const Rect& topPaddle) {
  Rect hit;  // the overlap itself is never needed
  if (IntersectRect(hit, ball, bottomPaddle)) {
    // Only the ball's left edge decides which part of the paddle it met.
    const bool rightEnd = Checked::Sub(bottomPaddle.right, Rally::EndZoneWidth) < ball.left &&
                          ball.left < bottomPaddle.right;
    const bool leftEnd = bottomPaddle.left < ball.left &&
                         ball.left < Checked::Add(bottomPaddle.left, Rally::EndZoneWidth);
    if (rightEnd) {
      motion = {Rally::EndZoneStep, -Rally::EndZoneStep};
    } else if (leftEnd) {
      motion = {-Rally::EndZoneStep, -Rally::EndZoneStep};
    } else {
      motion.dy = Checked::Negate(ballSpeed);
    }
    return Collision::BottomPaddle;
  }
  if (IntersectRect(hit, ball, topPaddle)) {
    motion.dy = ballSpeed;
    return Collision::TopPaddle;
  }
  if (IntersectRect(hit, ball, Rally::RightWallRect)) {
    motion.dx = Checked::Negate(ballSpeed);
    return Collision::RightWall;
  }
  if (IntersectRect(hit, ball, Rally::LeftWallRect)) {
    motion.dx = ballSpeed;
    return Collision::LeftWall;
  }
  if (IntersectRect(hit, ball, Rally::TopWallRect)) {
    return Collision::TopWall;
  }
  if (IntersectRect(hit, ball, Rally::BottomWallRect)) {
    return Collision::BottomWall;
  }
  return Collision::None;
}

}  // namespace rallix
