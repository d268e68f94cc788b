#include "platform/video/font_stand_ins.h"

#include <cmath>
#include <map>

#include "platform/video/font_resolver.h"

namespace rallix {

const std::vector<std::string>& FontCandidates(const std::string& family) {
  static const std::map<std::string, std::vector<std::string>> standIns = {
      {"Comic Sans MS", {"Comic Sans MS", "Comic Neue", "Comic Relief", "DejaVu Sans"}},
      {"Papyrus", {"Papyrus", "P052", "URW Palladio L", "DejaVu Serif", "DejaVu Sans"}},
      {"MS Sans Serif", {"MS Sans Serif", "DejaVu Sans", "Liberation Sans"}},
  };
  static const std::vector<std::string> plain = {"DejaVu Sans"};
  const auto it = standIns.find(family);
  return it != standIns.end() ? it->second : plain;
}

int PointsToPixels(double points) {
  return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

}  // namespace rallix
