#pragma once
// What a match sets up from: the settings file of its kind, as read. The kind
// of settings is the kind of match, and from them alone the rally starts.

#include <cstdint>
#include <string>
#include <variant>

#include "rules/match_rally.h"
#include "settings/first_edition_settings.h"
#include "settings/full_game_settings.h"

namespace rallix {

// A two-player match between two machines: the host's settings, which both
// machines play. Each player's device is that machine's own, so only its kind
// ("Keyboard", "Mouse" or "Joystick") is shared; the host's player steers the
// bottom paddle.
struct NetworkMatchSettings {
  std::int16_t BallSpeed = 0;
  std::string Player1Device;
  std::string Player2Device;
  friend bool operator==(const NetworkMatchSettings&, const NetworkMatchSettings&) = default;
};

using MatchSettings = std::variant<FirstEditionSettings, SinglePlayerSettings, TwoPlayerSettings,
                                   NetworkMatchSettings>;

// The rally these settings start: the speeds, the ball's start, and who steers
// with what.
MatchRally StartRally(const MatchSettings& settings);

}  // namespace rallix
