#pragma once
// The file of pad mappings a player may name in SDL_GAMECONTROLLERCONFIG_FILE.
// SDL reads whatever it names, whole, as its joystick support starts: a FIFO
// would hold the game there for ever, a huge file for a long while. So SDL is
// left only a regular file of a size a mappings file has (SDL's own database
// of every pad it knows is about half a megabyte).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace rallix {

constexpr std::uintmax_t kLargestMappingsFileMegabytes = 8;
constexpr std::uintmax_t kLargestMappingsFileBytes = kLargestMappingsFileMegabytes * 1024 * 1024;

// Why SDL must not read this file ("not a regular file", "larger than 8 MB",
// or the system's reason it cannot be looked at, such as a missing file); no
// value when it may.
std::optional<std::string> MappingsFileRefusal(const std::filesystem::path& file);

// To be called before SDL's joystick support starts. When the variable (or
// SDL's hint of that name) names a file SDL must not read, says so in one
// line on stderr, "PROGRAM: ignoring SDL_GAMECONTROLLERCONFIG_FILE=PATH:
// REASON", and hides it from SDL until SDL shuts down: the pads then read
// through SDL's own mappings.
void SetAsideRefusedMappingsFile(const std::string& program);

}  // namespace rallix
