#include "settings/match_settings.h"

#include "settings/device_names.h"

namespace rallix {
namespace {

MatchRally RallyFrom(const FirstEditionSettings& s) {
  return MatchRally(SinglePlayerRally::FirstEdition(s.startColumn, s.ballSpeed, s.aiSpeed));
}

MatchRally RallyFrom(const SinglePlayerSettings& s) {
  return MatchRally(SinglePlayerRally::FullGame(s.BallStartX, s.BallSpeed, s.AISpeed, s.UseJoystick,
                                                !s.DisableKeyboard));
}

MatchRally RallyFrom(const TwoPlayerSettings& s) {
  return MatchRally(TwoPlayerRally::Start(s.BallSpeed, SteeringDeviceNamed(s.Player1Device),
                                          SteeringDeviceNamed(s.Player2Device)));
}

MatchRally RallyFrom(const NetworkMatchSettings& s) {
  TwoPlayerRally rally = TwoPlayerRally::Start(s.BallSpeed, SteeringDeviceNamed(s.Player1Device),
                                               SteeringDeviceNamed(s.Player2Device));
  rally.TwoMachines = true;
  return MatchRally(rally);
}

}  // namespace

MatchRally StartRally(const MatchSettings& settings) {
  return std::visit([](const auto& s) { return RallyFrom(s); }, settings);
}

}  // namespace rallix
