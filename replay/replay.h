#pragma once
// A recorded match: what it set up from (the settings it read and the
// pictures it drew), the input of every pass, and how the rally ended. Played
// back through the same rules and the same drawing, it gives the same frames.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/picture.h"
#include "platform/time/frame_pacer.h"
#include "rules/pass.h"
#include "settings/match_files.h"
#include "settings/match_settings.h"

namespace rallix {

struct RecordedPicture {
  MatchPicture part = MatchPicture::Ball;
  // The game's own artwork the picture was loaded from; empty when none
  // matched, and then `pixels` holds it as loaded.
  std::string artwork;
  Picture pixels;
};

struct Replay {
  MatchSettings settings;
  std::vector<RecordedPicture> pictures;
  std::vector<PassInput> passes;
  // How the rally ended; none when the match was closed before it did.
  std::optional<PassEnd> end;
};

// A day of play: more passes than any match a player sits through, and few
// enough that a replay of them fits in memory. A recording keeps no more.
inline constexpr std::size_t kMostReplayPasses =
    std::size_t{24} * 60 * 60 * FramePacer::kPassesPerSecond;

// What keeps a picture of that size from standing for that part, in words for
// a message; none when it is the size the match draws the part at.
std::optional<std::string> PictureSizeProblem(MatchPicture part, int width, int height);

// What keeps a recorded picture from being drawn, in words for a message: an
// artwork the game does not have, or pixels of another size than the match
// draws that part at. None when it can be drawn.
std::optional<std::string> RecordedPictureProblem(const RecordedPicture& picture);

// "one", "sp", "mp" or "net": the first edition's match, the full game's
// single-player or its two-player match, or a two-player match between two
// machines.
std::string_view MatchKindName(const MatchSettings& settings);

// How a match ended, in the words the programs print: "win", "loss" or "esc"
// against the computer; "player1", "player2" or "esc" between two players;
// "closed" when the match was closed before the rally ended.
std::string_view OutcomeName(const MatchSettings& settings, std::optional<PassEnd> end);

}  // namespace rallix
