#pragma once
// Pictures exported to and read back from Windows bitmap files.

#include <filesystem>

#include "core/picture.h"

namespace rallix {

// Writes a picture as a 24-bit Windows bitmap file, replacing any earlier file whole: the
// bitmap goes to a temporary file beside the target, reaches the disk, then is renamed over
// the target. An empty picture (or one whose pixels do not fill its size): InvalidPicture;
// any write failure: PathFileAccessError naming the file, the earlier file left intact.
void SavePicture(const Picture& picture, const std::filesystem::path& path);

// Reads a bitmap file back into a Picture at its own size (used by tests and tools).
// A missing or unreadable file: FileNotFound; a file that is not a bitmap, or whose header
// declares a size no picture of the game could have, is refused before it is decoded:
// InvalidPicture.
Picture LoadPicture(const std::filesystem::path& path);

}  // namespace rallix
