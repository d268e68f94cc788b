#include "platform/forms/utf8_text.h"

namespace rallix {
namespace {

constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationBits = 0x80;
constexpr unsigned char kFirstPrintableAscii = 0x20;
constexpr unsigned char kDelete = 0x7F;
// U+0080 to U+009F, the 8-bit control characters, are C2 80 to C2 9F.
constexpr unsigned char kC1Lead = 0xC2;
constexpr unsigned char kFirstPrintableAfterC1Lead = 0xA0;

bool IsContinuation(char byte) {
  return (static_cast<unsigned char>(byte) & kContinuationMask) == kContinuationBits;
}

// The bytes that start a character in well-formed UTF-8, by how many bytes
// that character takes. C0, C1 and F5 to FF start none: they could only
// begin an overlong or out-of-range sequence.
struct LeadRange {
  unsigned char first;
  unsigned char last;
  std::size_t length;
};
constexpr LeadRange kLeadRanges[] = {
    {0x00, 0x7F, 1}, {0xC2, 0xDF, 2}, {0xE0, 0xEF, 3}, {0xF0, 0xF4, 4}};

// How long the well-formed character at `at` is; 0 when none starts there.
std::size_t CharacterLengthAt(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  for (const LeadRange& range : kLeadRanges) {
    if (lead < range.first || lead > range.last) {
      continue;
    }
    if (at + range.length > text.size()) {
      return 0;
    }
    for (std::size_t i = 1; i < range.length; ++i) {
      if (!IsContinuation(text[at + i])) {
        return 0;
      }
    }
    return range.length;
  }
  return 0;
}

bool IsControl(std::string_view character) {
  const auto lead = static_cast<unsigned char>(character[0]);
  if (character.size() == 1) {
    return lead < kFirstPrintableAscii || lead == kDelete;
  }
  return lead == kC1Lead && static_cast<unsigned char>(character[1]) < kFirstPrintableAfterC1Lead;
}

}  // namespace

std::size_t NextCharacterStart(std::string_view text, std::size_t at) {
  if (at >= text.size()) {
    return text.size();
  }
  do {
    ++at;
  } while (at < text.size() && IsContinuation(text[at]));
  return at;
}

std::size_t PreviousCharacterStart(std::string_view text, std::size_t at) {
  while (at > 0) {
    --at;
    if (!IsContinuation(text[at])) {
      break;
    }
  }
  return at;
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (const char byte : text) {
    count += IsContinuation(byte) ? 0 : 1;
  }
  return count;
}

std::string PrintableCharacters(std::string_view text, std::size_t limit) {
  std::string kept;
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size() && count < limit;) {
    const std::size_t length = CharacterLengthAt(text, at);
    if (length == 0) {
      ++at;  // a stray byte
      continue;
    }
    const std::string_view character = text.substr(at, length);
    if (!IsControl(character)) {
      kept += character;
      ++count;
    }
    at += length;
  }
  return kept;
}

}  // namespace rallix
