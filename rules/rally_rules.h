#pragma once
// The rules of one rally, shared by every match form: paddle steering, the
// ball's move, the computer's step and the ordered collision tests. Pure
// functions of plain values: no drawing, no sound, no devices. A form reads its
// devices, calls these, then plays the sound and draws what they report.

#include <cstdint>

#include "core/rect.h"

namespace rallix {

namespace Rally {
inline constexpr std::int32_t FieldWidth = 800;
inline constexpr std::int32_t FieldHeight = 600;
inline constexpr std::int32_t BallSize = 40;

// A player's paddle: 4 pixels a pass, left edge kept between the bounds
// (it moves left only while left > 2, right only while left < 589).
inline constexpr std::int32_t PaddleStep = 4;
inline constexpr std::int32_t PaddleLeftBound = 2;
inline constexpr std::int32_t PaddleRightBound = 589;
inline constexpr std::int32_t PaddleWidth = 210;
inline constexpr std::int32_t JoystickCentre = 2500;

// The bottom paddle's ends send the ball off at a fixed 6 pixels a pass.
inline constexpr std::int32_t EndZoneWidth = 40;
inline constexpr std::int32_t EndZoneStep = 6;

// The computer's paddle: its rectangle is narrower than its picture, and it
// holds still while the ball's left edge lies between these two offsets.
inline constexpr std::int32_t ComputerPaddleWidth = 205;
inline constexpr std::int32_t ComputerChaseRightOffset = 210;
inline constexpr std::int32_t ComputerChaseLeftOffset = 100;
inline constexpr std::int32_t ComputerRightBound = 589;
inline constexpr std::int32_t ComputerLeftBound = 6;

inline constexpr std::int32_t BannerX = 200;
inline constexpr std::int32_t BannerY = 200;

// The pictures' own sizes: every paddle picture is 210 x 50 (the computer's
// rectangle is narrower than its picture) and the banners 445 x 105.
inline constexpr std::int32_t PaddlePictureWidth = 210;
inline constexpr std::int32_t PaddlePictureHeight = 50;
inline constexpr std::int32_t BannerWidth = 445;
inline constexpr std::int32_t BannerHeight = 105;

inline constexpr Rect LeftWallRect{0, 0, 5, 600};
inline constexpr Rect RightWallRect{795, 0, 800, 600};
inline constexpr Rect TopWallRect{0, 0, 800, 1};
inline constexpr Rect BottomWallRect{0, 599, 800, 600};
inline constexpr Rect ScreenRect{0, 0, 800, 600};
inline constexpr Rect WholeRect{0, 0, 0, 0};

// Starting geometry of the paddles.
inline constexpr Rect TopPaddleStart{33, 5, 238, 45};
inline constexpr Rect FirstEditionPlayerStart{33, 550, 243, 600};
inline constexpr Rect SinglePlayerStart{161, 550, 371, 600};
inline constexpr Rect TwoPlayerBottomStart{33, 550, 243, 600};
inline constexpr Rect TwoPlayerBallStart{0, 40, 40, 80};
}  // namespace Rally

// The ball in the top row at column x, the way a single-player rally starts.
Rect BallAtColumn(std::int32_t x);

// What a player steers with.
enum class SteeringDevice { Keyboard, Mouse, Joystick };

// One player's paddle steered by one device for one pass. Each keeps the
// paddle's right edge at left + PaddleWidth after a move.
void SteerByKey(Rect& paddle, std::uint8_t lastKey);
void SteerByJoystick(Rect& paddle, std::int32_t joyX);
// The mouse moves the paddle by half the movement, rounded down (-1 moves one
// pixel left, +1 moves nothing); the bounds are tested before the step, so a
// fast flick can carry the paddle past the edge, from where it can only return.
void SteerByMouse(Rect& paddle, float mouseX);

void MoveBall(Rect& ball, std::int32_t dx, std::int32_t dy);

// Pause flips the pause once per press: on the pass where it is first reported
// after a pass where it was not. Held down, it changes nothing more, however
// many passes a press lasts. pauseHeld remembers the previous pass.
void FollowPauseKey(bool& paused, bool& pauseHeld, std::uint8_t lastKey);

// The computer's whole behaviour: step towards the ball's left edge.
void AICheck(Rect& aiRect, const Rect& ballRect, std::int32_t aiSpeed);

// Which collision test acted in a pass; only the first overlap found counts.
enum class Collision { None, BottomPaddle, TopPaddle, RightWall, LeftWall, TopWall, BottomWall };

struct BallMotion {
  std::int32_t dx = 0;
  std::int32_t dy = 0;
};

// Tests the ball against the paddles and the edges in their fixed order and
// sets the ball's steps for a rebound. A paddle collision means the hit sound
// is due; TopWall means the bottom side has won, BottomWall that it has lost.
Collision TestCollisions(const Rect& ball, BallMotion& motion, std::int32_t ballSpeed,
                         const Rect& bottomPaddle, const Rect& topPaddle);

inline bool IsPaddleHit(Collision c) {
  return c == Collision::BottomPaddle || c == Collision::TopPaddle;
}

}  // namespace rallix
