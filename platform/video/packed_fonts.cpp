// Fonts in a web page: there is no fontconfig in a browser, so the page packs
// a few font files (the same stand-ins the desktop finds) into its file
// system. Each packed file says its own family and style, so the list of
// files lives only where the page is packed.

#include <SDL_ttf.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/errors.h"
#include "platform/video/font_resolver.h"
#include "platform/video/font_stand_ins.h"

namespace rallix {
namespace {

// Where the page's packed fonts appear in its file system.
constexpr const char* kPackedFontFolder = "/fonts";
// Any size will do to read a face's names.
constexpr int kProbeSize = 12;

struct PackedFace {
  std::filesystem::path file;
  std::string family;
  bool bold = false;
};

struct FontFree {
  void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};

std::vector<PackedFace> ReadPackedFaces() {
  std::vector<PackedFace> faces;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(kPackedFontFolder, error)) {
    std::unique_ptr<TTF_Font, FontFree> font(TTF_OpenFont(entry.path().c_str(), kProbeSize));
    if (!font) {
      continue;
    }
    const char* family = TTF_FontFaceFamilyName(font.get());
    const char* style = TTF_FontFaceStyleName(font.get());
    if (family == nullptr) {
      continue;
    }
    faces.push_back(
        {entry.path(), family,
         style != nullptr && std::string_view(style).find("Bold") != std::string::npos});
  }
  // The folder's order is the file system's; a sorted list picks the same
  // face on every visit.
  std::sort(faces.begin(), faces.end(),
            [](const PackedFace& a, const PackedFace& b) { return a.file < b.file; });
  return faces;
}

const std::vector<PackedFace>& PackedFaces() {
  static const std::vector<PackedFace> faces = ReadPackedFaces();
  return faces;
}

}  // namespace

ResolvedFont ResolveFont(const std::string& family, bool bold) {
  const std::vector<PackedFace>& faces = PackedFaces();
  for (const std::string& candidate : FontCandidates(family)) {
    const PackedFace* regular = nullptr;
    for (const PackedFace& face : faces) {
      if (face.family != candidate) {
        continue;
      }
      if (face.bold == bold) {
        return {face.file, face.family, face.bold};
      }
      regular = regular != nullptr ? regular : &face;
    }
    if (regular != nullptr) {
      return {regular->file, regular->family, regular->bold};
    }
  }
  if (faces.empty()) {
    throw RuntimeError(ErrorNumber::PlatformServiceFailed, "Fonts",
                       std::string("no font is packed with the page in ") + kPackedFontFolder);
  }
  // None of the stand-ins is packed: any packed face still shows the text.
  return {faces.front().file, faces.front().family, faces.front().bold};
}

}  // namespace rallix
