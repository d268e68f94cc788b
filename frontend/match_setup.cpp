#include "frontend/match_setup.h"

#include <algorithm>
#include <cctype>

#include "platform/files/picture_file.h"
#include "settings/match_files.h"

namespace rallix {
namespace {

bool MeansRandom(const std::string& choice) {
  std::string lower = choice;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower.empty() || lower == "random";
}

}  // namespace

std::int16_t ChooseBallSpeed(const std::string& choice, RandomGenerator& random) {
  if (!MeansRandom(choice)) {
    return static_cast<std::int16_t>(std::stoi(choice));
  }
  const int r = RandomBelow(random, 8);  // 0..7; 0, 1, 2 become 3, 4, 5
  return static_cast<std::int16_t>(r <= 2 ? r + 3 : r);
}

std::int16_t ChooseComputerSpeed(const std::string& choice, RandomGenerator& random) {
  if (!MeansRandom(choice)) {
    return static_cast<std::int16_t>(std::stoi(choice));
  }
  const int r = RandomBelow(random, 10);  // 0..9; 0 to 3 become 4 to 7
  return static_cast<std::int16_t>(r <= 3 ? r + 4 : r);
}

std::int16_t DrawBallStartX(RandomGenerator& random) {
  return static_cast<std::int16_t>(RandomBelow(random, 720));
}

void WriteMatchPictures(const PicturesForMatch& p) {
  SavePicture(*p.ball, MatchFiles::Ball);
  SavePicture(*p.bottomPaddle, MatchFiles::BottomPaddle);
  SavePicture(*p.topPaddle, MatchFiles::TopPaddle);
  SavePicture(*p.background, MatchFiles::Background);
  if (p.winBanner != nullptr) {
    SavePicture(*p.winBanner, MatchFiles::WinBanner);
  }
  if (p.lossBanner != nullptr) {
    SavePicture(*p.lossBanner, MatchFiles::LossBanner);
  }
}

}  // namespace rallix
