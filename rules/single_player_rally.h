#pragma once
// A rally against the computer, as both editions play it: the state of the
// field, which devices steer the player's paddle, and one pass of the frame
// loop. The form around it supplies the readings, plays the sound and draws.

#include <cstdint>

#include "rules/pass.h"
#include "rules/rally_rules.h"

namespace rallix {

struct SinglePlayerRally {
  Rect BallRect;
  Rect PlayerRect;
  Rect AIRect;
  BallMotion Ball;  // BallDX, BallDY
  std::int32_t BallSpeed = 0;
  std::int32_t AISpeed = 0;
  bool Paused = false;
  // Pause was reported in the previous pass: a held key pauses only once.
  bool PauseHeld = false;
  // Which devices steer the player's paddle. Esc and Pause come with the
  // keyboard, so without it they do nothing.
  bool UseJoystick = false;
  bool UseKeyboard = true;

  // The first edition's windowed match: the player starts at column 33 and
  // steers with the keyboard.
  static SinglePlayerRally FirstEdition(std::int32_t startX, std::int32_t ballSpeed,
                                        std::int32_t aiSpeed);
  // The full game's single-player match: the player starts at column 161.
  static SinglePlayerRally FullGame(std::int32_t startX, std::int32_t ballSpeed,
                                    std::int32_t aiSpeed, bool useJoystick = false,
                                    bool useKeyboard = true);
};

// A device that is not in use is ignored: its reading in the input counts for
// nothing.
PassResult RunSinglePlayerPass(SinglePlayerRally& rally, const PassInput& input);

}  // namespace rallix
