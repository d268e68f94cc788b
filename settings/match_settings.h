#pragma once
// What a match sets up from: the settings file of its kind, as read. The kind
// of settings is the kind of match, and from them alone the rally starts.

#include <variant>

#include "rules/match_rally.h"
#include "settings/first_edition_settings.h"
#include "settings/full_game_settings.h"

namespace rallix {

using MatchSettings = std::variant<FirstEditionSettings, SinglePlayerSettings, TwoPlayerSettings>;

// The rally these settings start: the speeds, the ball's start, and who steers
// with what.
MatchRally StartRally(const MatchSettings& settings);

}  // namespace rallix
