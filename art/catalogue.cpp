#include "art/catalogue.h"

#include <array>
#include <map>
#include <mutex>
#include <utility>

#include "art/artwork.h"

namespace rallix::art {
namespace {

constexpr std::size_t kBallCount = 5;
constexpr std::array<BallKind, kBallCount> kBallKinds{BallKind::BluePlastic, BallKind::GreenRubber,
                                                      BallKind::Mystery, BallKind::Gold,
                                                      BallKind::Special};

constexpr std::array<NamedPicture, 11> kCatalogue{{
    {"blue-plastic-ball", &BluePlasticBall},
    {"green-rubber-ball", &GreenRubberBall},
    {"mystery-ball", &MysteryBall},
    {"gold-ball", &GoldBall},
    {"special-ball", &SpecialBall},
    {"light-paddle", &LightPaddle},
    {"dark-paddle", &DarkPaddle},
    {"field-background", &FieldBackground},
    {"black-square", &BlackSquare},
    {"win-banner", &WinBanner},
    {"loss-banner", &LossBanner},
}};

}  // namespace

std::span<const NamedPicture> Catalogue() {
  return kCatalogue;
}

std::span<const NamedPicture> Balls() {
  return std::span(kCatalogue).first(kBallCount);
}

const Picture* PictureNamed(std::string_view name) {
  for (const NamedPicture& entry : kCatalogue) {
    if (entry.name == name) {
      return &entry.picture();
    }
  }
  return nullptr;
}

const Picture* SharperBall(const Picture& ball, int scale) {
  if (scale < 2) {
    return nullptr;
  }
  for (std::size_t index = 0; index < kBallCount; ++index) {
    if (&Balls()[index].picture() != &ball) {
      continue;
    }
    static std::mutex guard;
    static std::map<std::pair<std::size_t, int>, Picture> drawn;
    const std::lock_guard lock(guard);
    auto it = drawn.find({index, scale});
    if (it == drawn.end()) {
      it = drawn.emplace(std::pair{index, scale}, DrawBall(kBallKinds[index], scale)).first;
    }
    return &it->second;
  }
  return nullptr;
}

}  // namespace rallix::art
