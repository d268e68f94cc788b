#pragma once
// The first edition's settings file, written by its wait screen and read by
// its match: one integer a line, every line ended by CR LF.
//   1 startColumn  2 ballSpeed  3 aiSpeed

#include <cstdint>
#include <filesystem>

namespace rallix {

inline constexpr const char* kFirstEditionSettingsFile = "config.dat";

struct FirstEditionSettings {
  std::int32_t startColumn = 0;  // 0 to 759
  std::int32_t ballSpeed = 0;    // 2 to 6
  std::int32_t aiSpeed = 0;      // 4 to 11
  friend bool operator==(const FirstEditionSettings&, const FirstEditionSettings&) = default;
};

void WriteFirstEditionSettings(const FirstEditionSettings& settings,
                               const std::filesystem::path& file = kFirstEditionSettingsFile);
// Raises the SequentialReader's errors, naming the file and the line.
FirstEditionSettings ReadFirstEditionSettings(
    const std::filesystem::path& file = kFirstEditionSettingsFile);

}  // namespace rallix
