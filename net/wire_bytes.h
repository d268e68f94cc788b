#pragma once
// Little-endian numbers and length-prefixed texts in and out of a byte buffer,
// whatever the machine's own byte order. The reader never reads past its end:
// once short it stays short and reads zeros, so a decoder reads a whole
// message and asks once at the end whether the bytes were all there.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rallix::net {

class WireWriter {
 public:
  explicit WireWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  void U8(std::uint8_t value) { out_.push_back(value); }
  void U16(std::uint16_t value) { Put(value, sizeof value); }
  void U32(std::uint32_t value) { Put(value, sizeof value); }
  void U64(std::uint64_t value) { Put(value, sizeof value); }
  void I16(std::int16_t value) { U16(static_cast<std::uint16_t>(value)); }
  void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
  // The float's IEEE bits as they are, so the other machine gets the very same value.
  void F32(float value) { U32(std::bit_cast<std::uint32_t>(value)); }
  // A length byte, then the bytes; the callers' limits all fit in a byte.
  void Text(std::string_view text) {
    U8(static_cast<std::uint8_t>(text.size()));
    out_.insert(out_.end(), text.begin(), text.end());
  }

 private:
  void Put(std::uint64_t value, std::size_t bytes) {
    for (std::size_t i = 0; i < bytes; ++i) {
      out_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
  }
  std::vector<std::uint8_t>& out_;
};

class WireReader {
 public:
  explicit WireReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::uint8_t U8() { return static_cast<std::uint8_t>(Take(1)); }
  std::uint16_t U16() { return static_cast<std::uint16_t>(Take(2)); }
  std::uint32_t U32() { return static_cast<std::uint32_t>(Take(4)); }
  std::uint64_t U64() { return Take(8); }
  std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  float F32() { return std::bit_cast<float>(U32()); }
  // The length byte first: a text longer than `limit` is refused before any
  // of it is copied, so a hostile length costs nothing.
  std::string Text(std::size_t limit) {
    const std::size_t length = U8();
    if (length > limit) {
      overLimit_ = true;
      return {};
    }
    if (!Has(length)) {
      return {};
    }
    const auto* first = bytes_.data() + at_;
    at_ += length;
    return std::string(first, first + length);
  }

  bool Short() const { return short_; }
  bool OverLimit() const { return overLimit_; }
  bool AtEnd() const { return at_ == bytes_.size(); }

 private:
  bool Has(std::size_t count) {
    if (short_ || bytes_.size() - at_ < count) {
      short_ = true;
      return false;
    }
    return true;
  }
  std::uint64_t Take(std::size_t count) {
    if (!Has(count)) {
      return 0;
    }
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < count; ++i) {
      value |= std::uint64_t{bytes_[at_ + i]} << (8 * i);
    }
    at_ += count;
    return value;
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
  bool short_ = false;
  bool overLimit_ = false;
};

}  // namespace rallix::net
