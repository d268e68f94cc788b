#pragma once
// Platform-internal: a bitmap file's declared size is checked before the decoder sees the file.
// The decoder allocates whatever the header asks for, so a few bytes claiming 32767 x 32767
// pixels would cost gigabytes and seconds before failing or crashing further on.

#include <SDL.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "core/errors.h"

namespace rallix::detail {

// Far beyond any screen the game draws on, so no real picture of the game comes near it.
inline constexpr std::int64_t kLargestBitmapSide = 8192;

namespace bitmap_layout {
inline constexpr std::size_t kFileHeaderBytes = 14;
inline constexpr std::size_t kInfoSizeAt = kFileHeaderBytes;
inline constexpr std::size_t kWidthAt = kInfoSizeAt + 4;
// The oldest header holds 16-bit width and height; every later one starts with the 40-byte
// header's 32-bit signed width and height.
inline constexpr std::uint32_t kCoreHeaderBytes = 12;
inline constexpr std::uint32_t kSmallestInfoHeaderBytes = 40;
inline constexpr std::size_t kCoreSideBytes = 2;
inline constexpr std::size_t kInfoSideBytes = 4;
inline constexpr std::size_t kBytesNeeded = kWidthAt + 2 * kInfoSideBytes;
}  // namespace bitmap_layout

inline std::uint32_t ReadLittleEndian(const std::uint8_t* bytes, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = count; i-- > 0;) {
    value = (value << 8) | bytes[i];
  }
  return value;
}

// Why a file starting with these bytes must not reach the decoder, or nothing when its
// declared size is one the game can hold. A negative height marks rows stored top-down.
inline std::optional<std::string> BitmapHeaderProblem(const std::uint8_t* bytes,
                                                      std::size_t count) {
  using namespace bitmap_layout;
  if (count < kInfoSizeAt || bytes[0] != 'B' || bytes[1] != 'M') {
    return "not a bitmap file";
  }
  if (count < kWidthAt) {
    return "its header is cut short";
  }
  const std::uint32_t infoBytes = ReadLittleEndian(bytes + kInfoSizeAt, 4);
  std::int64_t width = 0;
  std::int64_t height = 0;
  if (infoBytes == kCoreHeaderBytes && count >= kWidthAt + 2 * kCoreSideBytes) {
    width = ReadLittleEndian(bytes + kWidthAt, kCoreSideBytes);
    height = ReadLittleEndian(bytes + kWidthAt + kCoreSideBytes, kCoreSideBytes);
  } else if (infoBytes >= kSmallestInfoHeaderBytes && count >= kBytesNeeded) {
    width = static_cast<std::int32_t>(ReadLittleEndian(bytes + kWidthAt, kInfoSideBytes));
    height = static_cast<std::int32_t>(
        ReadLittleEndian(bytes + kWidthAt + kInfoSideBytes, kInfoSideBytes));
  } else {
    return "its header is cut short or of an unknown kind";
  }
  const std::string declared =
      "it declares " + std::to_string(width) + " x " + std::to_string(height) + " pixels";
  if (width <= 0 || height == 0) {
    return declared + ", not a picture";
  }
  if (width > kLargestBitmapSide || std::abs(height) > kLargestBitmapSide) {
    return declared + ", more than " + std::to_string(kLargestBitmapSide) + " on a side";
  }
  return std::nullopt;
}

// Reads the headers at the stream's position and puts the stream back there for the decoder;
// a file it must not see: InvalidPicture naming the file.
inline void RequireLoadableBitmapHeader(SDL_RWops& stream, const char* source,
                                        const std::filesystem::path& file) {
  std::array<std::uint8_t, bitmap_layout::kBytesNeeded> bytes{};
  const Sint64 start = SDL_RWtell(&stream);
  const std::size_t count = SDL_RWread(&stream, bytes.data(), 1, bytes.size());
  std::optional<std::string> problem = BitmapHeaderProblem(bytes.data(), count);
  if (!problem && SDL_RWseek(&stream, start, RW_SEEK_SET) < 0) {
    problem = std::string("cannot read it again: ") + SDL_GetError();
  }
  if (problem) {
    throw RuntimeError(ErrorNumber::InvalidPicture, source,
                       "Invalid picture: " + file.string() + ": " + *problem);
  }
}

}  // namespace rallix::detail
