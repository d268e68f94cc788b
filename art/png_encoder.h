#pragma once
// Packs straight-alpha RGBA pixels into the bytes of a PNG file. The image
// data is deflated in stored (uncompressed) blocks: icons are small, and the
// game needs no compression library for them.

#include <cstdint>
#include <span>
#include <vector>

namespace rallix::art {

struct Rgba {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t a = 0;  // 0 transparent, 255 opaque
};

// pixels: row-major, top row first, width * height of them.
std::vector<std::uint8_t> EncodeRgbaPng(int width, int height, std::span<const Rgba> pixels);

}  // namespace rallix::art
