#include "art/catalogue.h"

#include <array>

#include "art/artwork.h"

namespace rallix::art {
namespace {

constexpr std::size_t kBallCount = 5;

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

}  // namespace rallix::art
