#pragma once
// Finds a font file for a family name the screens ask for. The classic
// Windows faces are not on a Linux desktop, so each has a deliberate stand-in;
// a face that cannot be found at all still yields some installed font, so a
// missing font never stops the game.

#include <filesystem>
#include <string>

namespace rallix {

// A font a screen asks for: its family, its size in points and its weight.
struct FontChoice {
  std::string family;
  double points = 8.25;
  bool bold = false;
  friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

struct ResolvedFont {
  std::filesystem::path file;
  std::string family;       // the family actually used
  bool isBoldFace = false;  // the file itself is a bold face (no synthetic bold needed)
};

// Resolves once per (family, bold) and remembers the answer; safe to call
// from any thread.
ResolvedFont ResolveFont(const std::string& family, bool bold);
// Resolves every family the screens use, bold and not, so the first screen
// finds them ready: fontconfig's first look-up reads its whole cache.
void ResolveTheGamesFonts();

// Font sizes are given in points at the screens' 96 dots per inch.
int PointsToPixels(double points);

}  // namespace rallix
