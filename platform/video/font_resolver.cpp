#include "platform/video/font_resolver.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "core/errors.h"
#include "platform/video/font_stand_ins.h"

namespace rallix {
namespace {

struct PatternFree {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternFree>;

struct Match {
  std::string file;
  std::string family;
  int weight = 0;
};

bool FindExact(const std::string& family, bool bold, Match& out) {
  Pattern pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
  if (!match) {
    return false;
  }
  FcChar8* file = nullptr;
  FcChar8* matchedFamily = nullptr;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch ||
      FcPatternGetString(match.get(), FC_FAMILY, 0, &matchedFamily) != FcResultMatch) {
    return false;
  }
  out.file = reinterpret_cast<const char*>(file);
  out.family = reinterpret_cast<const char*>(matchedFamily);
  FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &out.weight);
  return true;
}

ResolvedFont Resolve(const std::string& family, bool bold) {
  if (!FcInit()) {
    throw RuntimeError(ErrorNumber::PlatformServiceFailed, "Fonts", "fontconfig cannot start");
  }
  const auto& candidates = FontCandidates(family);
  Match first;
  bool haveFirst = false;
  for (const std::string& candidate : candidates) {
    Match m;
    if (!FindExact(candidate, bold, m)) {
      continue;
    }
    if (!haveFirst) {
      first = m;
      haveFirst = true;
    }
    // fontconfig always answers with something: only the face asked for
    // counts. (The alias Comic Sans MS -> Comic Neue answers "Comic Neue",
    // which is taken when its own turn on the list comes.)
    if (m.family == candidate) {
      return {m.file, m.family, m.weight >= FC_WEIGHT_BOLD};
    }
  }
  if (!haveFirst) {
    throw RuntimeError(ErrorNumber::PlatformServiceFailed, "Fonts",
                       "no font is installed for \"" + family + "\"");
  }
  return {first.file, first.family, first.weight >= FC_WEIGHT_BOLD};
}

}  // namespace

ResolvedFont ResolveFont(const std::string& family, bool bold) {
  // Start-up resolves the game's families on a second thread.
  static std::mutex guard;
  static std::map<std::pair<std::string, bool>, ResolvedFont> cache;
  const std::lock_guard lock(guard);
  const auto key = std::make_pair(family, bold);
  if (const auto it = cache.find(key); it != cache.end()) {
    return it->second;
  }
  ResolvedFont resolved = Resolve(family, bold);
  cache.emplace(key, resolved);
  return resolved;
}

}  // namespace rallix
