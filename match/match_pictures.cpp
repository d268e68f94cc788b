#include "match/match_pictures.h"

#include <string>

#include "art/catalogue.h"
#include "platform/files/sequential_file.h"
#include "replay/replay_text.h"
#include "rules/rally_rules.h"

namespace rallix {
namespace {

struct PictureSize {
  int width;
  int height;
  Scaling scaling;
  bool seeThrough;
};

PictureSize SizeOf(MatchPicture part) {
  switch (part) {
    case MatchPicture::Background:
      return {Rally::FieldWidth, Rally::FieldHeight, Scaling::Smooth, false};
    case MatchPicture::WinBanner:
    case MatchPicture::LossBanner:
      return {Rally::BannerWidth, Rally::BannerHeight, Scaling::Nearest, true};
    case MatchPicture::BottomPaddle:
    case MatchPicture::TopPaddle:
      return {Rally::PaddlePictureWidth, Rally::PaddlePictureHeight, Scaling::Nearest, true};
    case MatchPicture::Ball:
      break;
  }
  return {Rally::BallSize, Rally::BallSize, Scaling::Nearest, true};
}

Surface Keyed(Surface surface, const PictureSize& size) {
  if (size.seeThrough) {
    surface.SetColourKeyBlack();
  }
  return surface;
}

Surface FromRecorded(const RecordedPicture& recorded, const PictureSize& size) {
  if (recorded.artwork.empty()) {
    // Kept as loaded, so at the size the match draws it.
    if (recorded.pixels.width != size.width || recorded.pixels.height != size.height) {
      throw ReplayError(std::string("the replay's ") + FileOf(recorded.part).name + " is " +
                        std::to_string(recorded.pixels.width) + " x " +
                        std::to_string(recorded.pixels.height) + "; the match draws it at " +
                        std::to_string(size.width) + " x " + std::to_string(size.height));
    }
    return Keyed(Surface::FromPicture(recorded.pixels), size);
  }
  const Picture* artwork = art::PictureNamed(recorded.artwork);
  if (artwork == nullptr) {
    throw ReplayError("the game has no artwork called \"" + recorded.artwork + "\"");
  }
  return Keyed(Surface::FromPicture(*artwork, size.width, size.height, size.scaling), size);
}

RecordedPicture Recorded(MatchPicture part, const Surface& surface) {
  const PictureSize size = SizeOf(part);
  const Picture loaded = surface.ToPicture();
  for (const art::NamedPicture& entry : art::Catalogue()) {
    const Picture& artwork = entry.picture();
    if (Surface::FromPicture(artwork, size.width, size.height, size.scaling).ToPicture().pixels ==
        loaded.pixels) {
      return RecordedPicture{part, std::string(entry.name), {}};
    }
  }
  return RecordedPicture{part, "", loaded};
}

}  // namespace

MatchPictures MatchPictures::LoadFiles(const MatchLook& look) {
  MatchPictures pictures;
  for (const MatchPictureFile& file : kMatchPictureFiles) {
    if (look.Draws(file.part)) {
      const PictureSize size = SizeOf(file.part);
      pictures.surfaces_[static_cast<std::size_t>(file.part)] =
          Keyed(Surface::LoadBitmap(file.file, size.width, size.height, size.scaling), size);
    }
  }
  return pictures;
}

void MatchPictures::DeleteFiles(const MatchLook& look) {
  for (const MatchPictureFile& file : kMatchPictureFiles) {
    if (look.Draws(file.part)) {
      DeleteFile(file.file);
    }
  }
}

MatchPictures MatchPictures::FromReplay(const MatchLook& look,
                                        const std::vector<RecordedPicture>& recorded) {
  MatchPictures pictures;
  for (const MatchPictureFile& file : kMatchPictureFiles) {
    if (!look.Draws(file.part)) {
      continue;
    }
    const RecordedPicture* found = nullptr;
    for (const RecordedPicture& candidate : recorded) {
      if (candidate.part == file.part) {
        found = &candidate;
      }
    }
    if (found == nullptr) {
      throw ReplayError(std::string("the replay keeps no ") + file.name +
                        " picture, which this match draws");
    }
    pictures.surfaces_[static_cast<std::size_t>(file.part)] =
        FromRecorded(*found, SizeOf(file.part));
  }
  return pictures;
}

std::vector<RecordedPicture> MatchPictures::Record() const {
  std::vector<RecordedPicture> recorded;
  for (const MatchPictureFile& file : kMatchPictureFiles) {
    if (const Surface* surface = Find(file.part)) {
      recorded.push_back(Recorded(file.part, *surface));
    }
  }
  return recorded;
}

const Surface* MatchPictures::Find(MatchPicture part) const {
  const std::optional<Surface>& surface = surfaces_[static_cast<std::size_t>(part)];
  return surface ? &*surface : nullptr;
}

}  // namespace rallix
