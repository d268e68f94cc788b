#pragma once
// The pictures a match draws, each at its fixed size: from the files its
// settings screen left, or from a replay. Sprites are black see-through; the
// background is stretched smoothly and drawn whole.

#include <array>
#include <optional>
#include <vector>

#include "match/match_look.h"
#include "platform/video/display.h"
#include "replay/replay.h"

namespace rallix {

class MatchPictures {
 public:
  // Reads every picture file the look draws and leaves the files where they
  // are: a missing or broken one raises before any of them is gone.
  static MatchPictures LoadFiles(const MatchLook& look);
  // Removes the files LoadFiles read.
  static void DeleteFiles(const MatchLook& look);
  // The pictures a replay kept. One the look draws and the replay lacks:
  // ReplayError.
  static MatchPictures FromReplay(const MatchLook& look,
                                  const std::vector<RecordedPicture>& recorded);

  // Each picture as a replay keeps it: by the name of the game's artwork it
  // was loaded from, or as its pixels when it matches none.
  std::vector<RecordedPicture> Record() const;

  // Null for a picture the look does not draw.
  const Surface* Find(MatchPicture part) const;
  const Surface& Get(MatchPicture part) const { return *Find(part); }

 private:
  std::array<std::optional<Surface>, kMatchPictureFiles.size()> surfaces_;
};

}  // namespace rallix
