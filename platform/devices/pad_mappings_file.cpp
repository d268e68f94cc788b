#include "platform/devices/pad_mappings_file.h"

#include <SDL.h>

#include <iostream>
#include <system_error>

namespace rallix {

std::optional<std::string> MappingsFileRefusal(const std::filesystem::path& file) {
  std::error_code error;
  // Followed through links: a link to a mappings file is a mappings file.
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (error) {
    return error.message();
  }
  if (!std::filesystem::is_regular_file(status)) {
    return "not a regular file";
  }
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) {
    return error.message();
  }
  if (size > kLargestMappingsFileBytes) {
    return "larger than " + std::to_string(kLargestMappingsFileMegabytes) + " MB";
  }
  return std::nullopt;
}

void SetAsideRefusedMappingsFile(const std::string& program) {
  const char* named = SDL_GetHint(SDL_HINT_GAMECONTROLLERCONFIG_FILE);
  if (named == nullptr || *named == '\0') {
    return;
  }
  if (const std::optional<std::string> refusal = MappingsFileRefusal(named)) {
    std::cerr << program << ": ignoring " << SDL_HINT_GAMECONTROLLERCONFIG_FILE << "=" << named
              << ": " << *refusal << "\n";
    // SDL passes over an empty name, and an override outweighs the variable.
    SDL_SetHintWithPriority(SDL_HINT_GAMECONTROLLERCONFIG_FILE, "", SDL_HINT_OVERRIDE);
  }
}

}  // namespace rallix
