#pragma once
// Bitmap files put together byte by byte, as another program might have made them, so that the
// loaders meet headers our own saver never writes: top-down rows, the oldest 12-byte header,
// sizes far beyond any screen.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/picture.h"

namespace rallix::testing {

enum class BitmapHeaderKind { Core12, Info40 };

inline void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) {
    bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  }
}

// 24-bit rows are padded to four bytes.
inline std::size_t RowBytes(std::int64_t width) {
  return static_cast<std::size_t>((width * 3 + 3) / 4 * 4);
}

// A 24-bit file declaring width x height (a negative height: rows stored top-down) and holding
// the given pixel bytes, which need not be as many as declared.
inline std::string BitmapFile(BitmapHeaderKind kind, std::int32_t width, std::int32_t height,
                              std::string_view pixelBytes) {
  std::string info;
  if (kind == BitmapHeaderKind::Core12) {
    PutLittleEndian(info, 12, 4);
    PutLittleEndian(info, static_cast<std::uint32_t>(width), 2);
    PutLittleEndian(info, static_cast<std::uint32_t>(height), 2);
    PutLittleEndian(info, 1, 2);   // planes
    PutLittleEndian(info, 24, 2);  // bits per pixel
  } else {
    PutLittleEndian(info, 40, 4);
    PutLittleEndian(info, static_cast<std::uint32_t>(width), 4);
    PutLittleEndian(info, static_cast<std::uint32_t>(height), 4);
    PutLittleEndian(info, 1, 2);
    PutLittleEndian(info, 24, 2);
    PutLittleEndian(info, 0, 4);  // uncompressed
    PutLittleEndian(info, static_cast<std::uint32_t>(pixelBytes.size()), 4);
    info.append(16, '\0');  // resolution and palette counts
  }
  constexpr std::uint32_t kFileHeaderBytes = 14;
  const auto pixelsAt = static_cast<std::uint32_t>(kFileHeaderBytes + info.size());
  std::string file = "BM";
  PutLittleEndian(file, pixelsAt + static_cast<std::uint32_t>(pixelBytes.size()), 4);
  PutLittleEndian(file, 0, 4);  // reserved
  PutLittleEndian(file, pixelsAt, 4);
  return file + info + std::string(pixelBytes);
}

// Black pixels enough for every row declared.
inline std::string BlackPixelBytes(std::int32_t width, std::int32_t height) {
  return std::string(RowBytes(width) * static_cast<std::size_t>(std::abs(height)), '\0');
}

// The picture as a 24-bit file with its top row stored first.
inline std::string TopDownBitmapFile(const Picture& picture) {
  std::string pixels;
  for (int y = 0; y < picture.height; ++y) {
    std::string row;
    for (int x = 0; x < picture.width; ++x) {
      row += {static_cast<char>(picture.At(x, y).b), static_cast<char>(picture.At(x, y).g),
              static_cast<char>(picture.At(x, y).r)};
    }
    row.resize(RowBytes(picture.width), '\0');
    pixels += row;
  }
  return BitmapFile(BitmapHeaderKind::Info40, picture.width, -picture.height, pixels);
}

}  // namespace rallix::testing
