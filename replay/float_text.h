#pragma once
// The mouse's reading in a replay is a float, written in the shortest text
// that reads back to the same value. The standard's to_chars/from_chars do
// exactly that; a standard library without their floating-point overloads
// (the browser build's) gets the same round trip from printf and strtof.

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>

namespace rallix {

inline std::string FormatFloat(float value) {
  char text[32];
#if defined(__cpp_lib_to_chars)
  const auto [end, error] = std::to_chars(text, text + sizeof text, value);
  return std::string(text, error == std::errc{} ? end : text);
#else
  constexpr int kFloatRoundTripDigits = 9;
  for (int digits = 1;; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
    if (digits == kFloatRoundTripDigits || std::strtof(text, nullptr) == value) {
      return text;
    }
  }
#endif
}

// The whole text must be the number.
inline bool ParseFloat(std::string_view text, float& value) {
#if defined(__cpp_lib_to_chars)
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size();
#else
  // from_chars takes no sign but "-", no spaces and no hexadecimal.
  if (text.empty() || text.size() > 64 || text.front() == '+' ||
      text.find_first_of(" \t\r\nxX") != std::string_view::npos) {
    return false;
  }
  const std::string copy(text);
  char* end = nullptr;
  value = std::strtof(copy.c_str(), &end);
  return end == copy.c_str() + copy.size();
#endif
}

}  // namespace rallix
