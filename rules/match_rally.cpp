#include "rules/match_rally.h"

namespace rallix {
namespace {

// The parts every rally has, whatever it calls them.
struct Field {
  const Rect& bottom;
  const Rect& top;
  const Rect& ball;
  const BallMotion& steps;
};

Field FieldOf(const SinglePlayerRally& r) {
  return {r.PlayerRect, r.AIRect, r.BallRect, r.Ball};
}

Field FieldOf(const TwoPlayerRally& r) {
  return {r.PlayerRect, r.Player2Rect, r.BallRect, r.Ball};
}

}  // namespace

PassResult MatchRally::Pass(const PassInput& input) {
  if (auto* single = std::get_if<SinglePlayerRally>(&state_)) {
    return RunSinglePlayerPass(*single, input);
  }
  return RunTwoPlayerPass(std::get<TwoPlayerRally>(state_), input);
}

DevicesRead MatchRally::Reads() const {
  if (const SinglePlayerRally* single = SinglePlayer()) {
    return {.keyboard = single->UseKeyboard, .player1Joystick = single->UseJoystick};
  }
  const TwoPlayerRally& two = std::get<TwoPlayerRally>(state_);
  return {.keyboard = true,
          .mouse = true,
          .player1Joystick = two.Player1Device == SteeringDevice::Joystick,
          .player2Joystick = two.Player2Device == SteeringDevice::Joystick};
}

const Rect& MatchRally::BottomPaddle() const {
  return std::visit([](const auto& r) -> const Rect& { return FieldOf(r).bottom; }, state_);
}

const Rect& MatchRally::TopPaddle() const {
  return std::visit([](const auto& r) -> const Rect& { return FieldOf(r).top; }, state_);
}

const Rect& MatchRally::Ball() const {
  return std::visit([](const auto& r) -> const Rect& { return FieldOf(r).ball; }, state_);
}

const BallMotion& MatchRally::BallSteps() const {
  return std::visit([](const auto& r) -> const BallMotion& { return FieldOf(r).steps; }, state_);
}

}  // namespace rallix
