#pragma once
// Replacing a file whole or not at all: the bytes go to a temporary file beside
// the target, reach the disk, and only then take the target's name, so a crash,
// a power cut or a full disk never leaves half a file.

#include <filesystem>
#include <string_view>

namespace rallix {

// Returns the errno of the failing step, or 0. The temporary file never
// outlives a failure, and the earlier file stays as it was.
int ReplaceFileWhole(const std::filesystem::path& target, std::string_view bytes);

// The same, for a file that must not replace any other: EEXIST when the name
// is already taken, however close together two writers come, and the file
// that has it stays as it was.
int CreateFileWhole(const std::filesystem::path& target, std::string_view bytes);

}  // namespace rallix
