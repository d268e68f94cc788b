#pragma once
// How many screen pixels each of the game's pixels takes. The screens are
// laid out for a 96-dpi desktop; on a HiDPI one the desktop says how much
// larger it draws, and the game draws every pixel as a whole square of
// screen pixels so its words and artwork keep their size and its pixel art
// stays crisp. Read once, when the window opens.

#include <optional>
#include <string>

namespace rallix {

inline constexpr int kLargestDisplayScale = 4;
inline constexpr const char* kScaleOverrideVariable = "RALLIX_SCALE";

// What the desktop and the player say, each as they found it.
struct DisplayScaleHints {
  std::optional<std::string> playerScale;  // RALLIX_SCALE
  std::optional<std::string> gdkScale;     // GDK_SCALE
  // The X resources of the display (the RESOURCE_MANAGER text, one
  // "name:\tvalue" a line), where Xft.dpi lives.
  std::optional<std::string> xResources;
  // Screen pixels per window unit as the window system gives them (Wayland's
  // output scale, the page's devicePixelRatio); 1 where it gives none.
  double windowPixelRatio = 1;
};

struct DisplayScale {
  int scale = 1;
  // Why a hint the player gave was not taken; empty when all was well.
  std::string warning;
};

// The player's RALLIX_SCALE when it is a whole number from 1 to
// kLargestDisplayScale; else GDK_SCALE, Xft.dpi / 96 or the window's pixel
// ratio, first found, rounded to a whole number within that range; else 1.
DisplayScale ChooseDisplayScale(const DisplayScaleHints& hints);

// The Xft.dpi value in X resource text, when it holds a positive number.
std::optional<double> XftDpiIn(const std::string& resources);

}  // namespace rallix
