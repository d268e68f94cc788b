#pragma once
// A picture held in memory, the way a screen carries its artwork in an image
// control until it is shown or exported to a bitmap file. Plain data: no SDL.

#include <cstdint>
#include <vector>

namespace rallix {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Exact black: the colour every sprite uses for "transparent".
static_assert(sizeof(Rgb) == 3, "pictures are handed to the renderer as packed RGB");

inline constexpr Rgb kTransparentBlack{0, 0, 0};

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // row-major, top row first

  Picture() = default;
  Picture(int w, int h, Rgb fill = kTransparentBlack)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

  Rgb& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  const Rgb& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  bool Empty() const { return pixels.empty(); }
};

}  // namespace rallix
