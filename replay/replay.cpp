#include "replay/replay.h"

namespace rallix {

std::string_view MatchKindName(const MatchSettings& settings) {
  constexpr std::string_view kNames[] = {"one", "sp", "mp"};
  return kNames[settings.index()];
}

std::string_view OutcomeName(const MatchSettings& settings, std::optional<PassEnd> end) {
  const bool twoPlayers = std::holds_alternative<TwoPlayerSettings>(settings);
  if (!end) {
    return "closed";
  }
  switch (*end) {
    case PassEnd::Win:
      return twoPlayers ? "player1" : "win";
    case PassEnd::Loss:
      return twoPlayers ? "player2" : "loss";
    case PassEnd::Escape:
      return "esc";
    case PassEnd::Continue:
    case PassEnd::Paused:
      break;
  }
  return "closed";
}

}  // namespace rallix
