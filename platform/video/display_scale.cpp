#include "platform/video/display_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string_view>

namespace rallix {
namespace {

constexpr double kScreensDesignDpi = 96;
constexpr std::string_view kXftDpi = "Xft.dpi:";

// A whole number written plainly (no sign, no spaces), within range.
std::optional<int> WholeScale(const std::string& text) {
  if (text.empty() || text.size() > 2 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  const int value = std::stoi(text);
  if (value < 1 || value > kLargestDisplayScale) {
    return std::nullopt;
  }
  return value;
}

// A desktop's fractional scale to the nearest whole one the game draws at;
// a half rounds up, so a 1.5x desktop gets words a little large rather than small.
int Rounded(double scale) {
  if (!std::isfinite(scale) || scale < 1) {
    return 1;
  }
  return std::clamp(static_cast<int>(std::floor(scale + 0.5)), 1, kLargestDisplayScale);
}

std::optional<double> Number(std::string_view text) {
  const std::string copy(text);
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  if (end == copy.c_str() || !std::isfinite(value) || value <= 0) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<double> XftDpiIn(const std::string& resources) {
  std::istringstream lines(resources);
  for (std::string line; std::getline(lines, line);) {
    if (std::string_view(line).starts_with(kXftDpi)) {
      return Number(std::string_view(line).substr(kXftDpi.size()));
    }
  }
  return std::nullopt;
}

DisplayScale ChooseDisplayScale(const DisplayScaleHints& hints) {
  DisplayScale chosen;
  if (hints.playerScale) {
    if (const std::optional<int> scale = WholeScale(*hints.playerScale)) {
      chosen.scale = *scale;
      return chosen;
    }
    chosen.warning = "ignoring " + std::string(kScaleOverrideVariable) + "=" + *hints.playerScale +
                     ": not a whole number from 1 to " + std::to_string(kLargestDisplayScale);
  }
  if (hints.gdkScale) {
    if (const std::optional<double> scale = Number(*hints.gdkScale)) {
      chosen.scale = Rounded(*scale);
      return chosen;
    }
  }
  if (hints.xResources) {
    if (const std::optional<double> dpi = XftDpiIn(*hints.xResources)) {
      chosen.scale = Rounded(*dpi / kScreensDesignDpi);
      return chosen;
    }
  }
  chosen.scale = Rounded(hints.windowPixelRatio);
  return chosen;
}

}  // namespace rallix
