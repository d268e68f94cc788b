#include "match/match_pictures.h"

#include <string>

#include "art/catalogue.h"
#include "platform/files/sequential_file.h"
#include "replay/replay_text.h"
#include "rules/rally_rules.h"

namespace rallix {
namespace {

struct PictureLoad {
  int width;
  int height;
  Scaling scaling;
  bool seeThrough;
};

PictureLoad LoadOf(MatchPicture part) {
  const PictureSize size = DrawnSizeOf(part);
  // The background is a photograph-like picture stretched over the field; the
  // sprites keep hard edges so that black stays exactly black where it is see-through.
  const bool background = part == MatchPicture::Background;
  return {size.width, size.height, background ? Scaling::Smooth : Scaling::Nearest, !background};
}

Surface Keyed(Surface surface, const PictureLoad& size) {
  if (size.seeThrough) {
    surface.SetColourKeyBlack();
  }
  return surface;
}

Surface FromRecorded(const RecordedPicture& recorded, const PictureLoad& size) {
  if (const std::optional<std::string> problem = RecordedPictureProblem(recorded)) {
    throw ReplayError(*problem);
  }
  if (recorded.artwork.empty()) {
    return Keyed(Surface::FromPicture(recorded.pixels), size);
  }
  return Keyed(Surface::FromPicture(*art::PictureNamed(recorded.artwork), size.width, size.height,
                                    size.scaling),
               size);
}

RecordedPicture Recorded(MatchPicture part, const Surface& surface) {
  const PictureLoad size = LoadOf(part);
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
      const PictureLoad size = LoadOf(file.part);
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
        FromRecorded(*found, LoadOf(file.part));
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
