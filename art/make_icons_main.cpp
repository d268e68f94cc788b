// Build-time tool: writes both programs' icons, in every size a desktop's icon
// theme looks for, as PNG files in an icon-theme tree under the folder named on
// the command line: hicolor/<n>x<n>/apps/<name>.png.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "art/icons.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: make-icons OUTPUT-FOLDER FULL-GAME-NAME FIRST-EDITION-NAME\n";
    return 2;
  }
  const std::filesystem::path root = argv[1];
  for (const int size : rallix::art::IconSizes()) {
    const std::string square = std::to_string(size) + "x" + std::to_string(size);
    const std::filesystem::path folder = root / "hicolor" / square / "apps";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (const auto& [name, icon] : {std::pair{argv[2], rallix::art::FullGameIcon(size)},
                                     std::pair{argv[3], rallix::art::FirstEditionIcon(size)}}) {
      const auto png = rallix::art::EncodeRgbaPng(icon.size, icon.size, icon.pixels);
      const std::filesystem::path file = folder / (std::string(name) + ".png");
      std::ofstream out(file, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(png.data()),
                static_cast<std::streamsize>(png.size()));
      out.close();
      if (!out) {
        std::cerr << "make-icons: could not write " << file.string() << "\n";
        return 1;
      }
    }
  }
  return 0;
}
