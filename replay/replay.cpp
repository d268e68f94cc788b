#include "replay/replay.h"

#include "art/catalogue.h"

namespace rallix {

std::optional<std::string> PictureSizeProblem(MatchPicture part, int width, int height) {
  const PictureSize drawn = DrawnSizeOf(part);
  if (width == drawn.width && height == drawn.height) {
    return std::nullopt;
  }
  return std::string("the ") + FileOf(part).name + " picture is " + std::to_string(width) + " x " +
         std::to_string(height) + "; a match draws it at " + std::to_string(drawn.width) + " x " +
         std::to_string(drawn.height);
}

std::optional<std::string> RecordedPictureProblem(const RecordedPicture& picture) {
  if (picture.artwork.empty()) {
    return PictureSizeProblem(picture.part, picture.pixels.width, picture.pixels.height);
  }
  if (art::PictureNamed(picture.artwork) == nullptr) {
    return "the game has no artwork called \"" + picture.artwork + "\"";
  }
  return std::nullopt;
}

std::string_view MatchKindName(const MatchSettings& settings) {
  constexpr std::string_view kNames[] = {"one", "sp", "mp", "net"};
  return kNames[settings.index()];
}

std::string_view OutcomeName(const MatchSettings& settings, std::optional<PassEnd> end) {
  const bool twoPlayers = std::holds_alternative<TwoPlayerSettings>(settings) ||
                          std::holds_alternative<NetworkMatchSettings>(settings);
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
