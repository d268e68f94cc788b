#pragma once
// What both settings screens do on START GAME besides their own file: draw
// the random values and write the match's pictures.

#include <cstdint>
#include <string>

#include "core/picture.h"
#include "platform/time/random.h"

namespace rallix {

// The ball speed chosen in a drop-down ("3".."7"), or drawn when the choice
// is "Random" (any case) or nothing: 3, 4 and 5 one in four, 6 and 7 one in eight.
std::int16_t ChooseBallSpeed(const std::string& choice, RandomGenerator& random);
// The computer's speed chosen ("4".."10"), or drawn: 4 to 7 one in five, 8
// and 9 one in ten; a draw never gives 10.
std::int16_t ChooseComputerSpeed(const std::string& choice, RandomGenerator& random);
// The ball's start column, 0 to 719, drawn afresh for every match.
std::int16_t DrawBallStartX(RandomGenerator& random);

// Writes "cball.bmp", "pal1.bmp", "pal2.bmp", "bg.bmp" and, when asked,
// "yw.bmp" and "yl.bmp", in that order.
struct PicturesForMatch {
  const Picture* ball = nullptr;
  const Picture* bottomPaddle = nullptr;
  const Picture* topPaddle = nullptr;
  const Picture* background = nullptr;
  const Picture* winBanner = nullptr;   // null: not written
  const Picture* lossBanner = nullptr;  // null: not written
};
void WriteMatchPictures(const PicturesForMatch& pictures);

}  // namespace rallix
