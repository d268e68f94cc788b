#pragma once
// Any match's rally behind one pass: the first edition's and the full game's
// single-player rally, or the two-player one. The match form, replays and the
// trace tool drive every kind the same way.

#include <variant>

#include "rules/pass.h"
#include "rules/single_player_rally.h"
#include "rules/two_player_rally.h"

namespace rallix {

// The devices a pass reads. One that is not read keeps its last reading, and
// its part of the input counts for nothing.
struct DevicesRead {
  bool keyboard = false;
  bool mouse = false;
  bool player1Joystick = false;
  bool player2Joystick = false;
};

class MatchRally {
 public:
  MatchRally() = default;
  explicit MatchRally(const SinglePlayerRally& rally) : state_(rally) {}
  explicit MatchRally(const TwoPlayerRally& rally) : state_(rally) {}

  PassResult Pass(const PassInput& input);

  // Single player: the keyboard and the joystick as chosen. Two players: the
  // keyboard (Esc and Pause) and the mouse always, a joystick for each player
  // who steers with one.
  DevicesRead Reads() const;

  const Rect& BottomPaddle() const;
  const Rect& TopPaddle() const;
  const Rect& Ball() const;
  const BallMotion& BallSteps() const;

  // The rally itself; null when it is of the other kind.
  const SinglePlayerRally* SinglePlayer() const { return std::get_if<SinglePlayerRally>(&state_); }
  const TwoPlayerRally* TwoPlayers() const { return std::get_if<TwoPlayerRally>(&state_); }

 private:
  std::variant<SinglePlayerRally, TwoPlayerRally> state_;
};

}  // namespace rallix
