#include "platform/video/font_stand_ins.h"

#include <cmath>
#include <map>

#include "platform/video/font_resolver.h"

namespace rallix {

namespace {

const std::map<std::string, std::vector<std::string>>& StandIns() {
  static const std::map<std::string, std::vector<std::string>> standIns = {
      {"Comic Sans MS", {"Comic Sans MS", "Comic Neue", "Comic Relief", "DejaVu Sans"}},
      {"Papyrus", {"Papyrus", "P052", "URW Palladio L", "DejaVu Serif", "DejaVu Sans"}},
      {"MS Sans Serif", {"MS Sans Serif", "DejaVu Sans", "Liberation Sans"}},
  };
  return standIns;
}

}  // namespace

const std::vector<std::string>& FontCandidates(const std::string& family) {
  static const std::vector<std::string> plain = {"DejaVu Sans"};
  const auto it = StandIns().find(family);
  return it != StandIns().end() ? it->second : plain;
}

void ResolveTheGamesFonts() {
  for (const auto& entry : StandIns()) {
    for (const bool bold : {false, true}) {
      ResolveFont(entry.first, bold);
    }
  }
}

int PointsToPixels(double points) {
  return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

}  // namespace rallix
