#pragma once
// The game's artwork and hit sound, drawn and synthesised by our own code at
// first use. Sprites use exact black as their transparent colour, so every
// pixel inside a sprite's shape is kept at least a hair above black.

#include <cstdint>
#include <vector>

#include "core/picture.h"

namespace rallix::art {

enum class BallKind { BluePlastic, GreenRubber, Mystery, Gold, Special };

// A ball drawn at scale times its size: the same ball, with finer edges and
// highlights than the small one blown up.
Picture DrawBall(BallKind kind, int scale);

const Picture& BluePlasticBall();  // 40 x 40, glossy
const Picture& GreenRubberBall();  // 40 x 40, matte
const Picture& MysteryBall();      // 40 x 40, dark blue, glowing, marked "?"
const Picture& GoldBall();         // 95 x 95, shiny metal
const Picture& SpecialBall();      // 95 x 95, glowing magenta/cyan energy
const Picture& LightPaddle();      // 210 x 50, the player's paddle at the bottom
const Picture& DarkPaddle();       // 210 x 50, the opponent's paddle at the top
const Picture& FieldBackground();  // 40 x 40 tile, shown stretched over the whole field
const Picture& BlackSquare();      // 40 x 40, plain black
const Picture& WinBanner();        // 445 x 105, red script "You Win!"
const Picture& LossBanner();       // 445 x 105, red script "You Lose" and a downward arrow

// The bytes of a complete .wav file: 16-bit PCM stereo at 44000 samples a second.
std::vector<std::uint8_t> HitSoundWav();

}  // namespace rallix::art
