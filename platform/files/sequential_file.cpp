#include "platform/files/sequential_file.h"

#include <charconv>
#include <system_error>
#include <utility>

#include "core/errors.h"
#include "platform/files/whole_file.h"

namespace rallix {
namespace {

constexpr std::string_view kLineEnding = "\r\n";
constexpr std::string_view kTrue = "#TRUE#";
constexpr std::string_view kFalse = "#FALSE#";
constexpr std::size_t kLongestQuotedText = 40;
constexpr std::string_view kExpectedInteger = "expected an integer";
constexpr std::string_view kExpectedBoolean = "expected #TRUE# or #FALSE#";
constexpr std::string_view kExpectedString = "expected a quoted string";

std::string FileName(const std::filesystem::path& path) {
  return path.string();
}

std::string SystemReason(int errorNumber) {
  return std::generic_category().message(errorNumber);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsCanonicalIntegerText(std::string_view line) {
  std::string_view digits = line;
  const bool negative = !digits.empty() && digits.front() == '-';
  if (negative) {
    digits.remove_prefix(1);
  }
  if (digits.empty()) {
    return false;
  }
  for (const char c : digits) {
    if (!IsDigit(c)) {
      return false;
    }
  }
  if (digits.front() == '0') {
    return digits.size() == 1 && !negative;  // "0" alone; never "007" or "-0"
  }
  return true;
}

}  // namespace

std::string FormatIntegerLine(std::int32_t value) {
  return std::to_string(value);
}

std::string FormatBooleanLine(bool value) {
  return std::string(value ? kTrue : kFalse);
}

std::string FormatStringLine(std::string_view text) {
  std::string line;
  line.reserve(text.size() + 2);
  line += '"';
  line += text;
  line += '"';
  return line;
}

ParsedLine<std::int32_t> ParseIntegerLine(std::string_view line) {
  if (!IsCanonicalIntegerText(line)) {
    return {std::nullopt, ErrorNumber::TypeMismatch};
  }
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
  if (error == std::errc::result_out_of_range) {
    return {std::nullopt, ErrorNumber::Overflow};
  }
  if (error != std::errc() || end != line.data() + line.size()) {
    return {std::nullopt, ErrorNumber::TypeMismatch};
  }
  return {value, 0};
}

ParsedLine<bool> ParseBooleanLine(std::string_view line) {
  if (line == kTrue) {
    return {true, 0};
  }
  if (line == kFalse) {
    return {false, 0};
  }
  return {std::nullopt, ErrorNumber::TypeMismatch};
}

ParsedLine<std::string> ParseStringLine(std::string_view line) {
  if (line.size() < 2 || line.front() != '"' || line.back() != '"') {
    return {std::nullopt, ErrorNumber::TypeMismatch};
  }
  const std::string_view inside = line.substr(1, line.size() - 2);
  if (inside.find('"') != std::string_view::npos) {
    return {std::nullopt, ErrorNumber::TypeMismatch};
  }
  return {std::string(inside), 0};
}

std::vector<std::string_view> SplitFields(std::string_view line) {
  constexpr std::string_view kBlanks = " \t\r\f\v";
  std::vector<std::string_view> fields;
  std::size_t start = line.find_first_not_of(kBlanks);
  while (start != std::string_view::npos) {
    const std::size_t end = line.find_first_of(kBlanks, start);
    fields.push_back(line.substr(start, end - start));
    start = line.find_first_not_of(kBlanks, end);
  }
  return fields;
}

std::vector<std::string> SplitSettingsLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t lineFeed = text.find('\n');
    const std::string_view line = text.substr(0, lineFeed);
    text.remove_prefix(lineFeed == std::string_view::npos ? text.size() : lineFeed + 1);
    lines.emplace_back(WithoutLineEndingCr(line));
  }
  return lines;
}

std::string QuoteForMessage(std::string_view text) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  const bool tooLong = text.size() > kLongestQuotedText;
  if (tooLong) {
    text = text.substr(0, kLongestQuotedText);
  }
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7F) {
      quoted += "\\x";
      quoted += kHexDigits[byte >> 4];
      quoted += kHexDigits[byte & 0x0F];
    } else {
      quoted += c;
    }
  }
  quoted += tooLong ? "\"..." : "\"";
  return quoted;
}

// ---------------------------------------------------------------------------------------------

SequentialWriter::SequentialWriter(std::filesystem::path path) : path_(std::move(path)) {}

void SequentialWriter::RequireOpen(const char* operation) const {
  if (closed_) {
    throw RuntimeError(ErrorNumber::BadFileNameOrNumber, "SequentialWriter",
                       FileName(path_) + ": " + operation + " after the file was closed");
  }
}

void SequentialWriter::Append(std::string_view line) {
  contents_ += line;
  contents_ += kLineEnding;
}

void SequentialWriter::WriteInteger(std::int32_t value) {
  RequireOpen("WriteInteger");
  Append(FormatIntegerLine(value));
}

void SequentialWriter::WriteBoolean(bool value) {
  RequireOpen("WriteBoolean");
  Append(FormatBooleanLine(value));
}

void SequentialWriter::WriteString(std::string_view text) {
  RequireOpen("WriteString");
  const auto refuse = [&](const std::string& kind) {
    throw RuntimeError(ErrorNumber::TypeMismatch, "SequentialWriter",
                       FileName(path_) + ": a string " + kind + " cannot be read back, found " +
                           QuoteForMessage(text));
  };
  if (text.find_first_of("\"\r\n") != std::string_view::npos) {
    refuse("holding a double quote, CR or LF");
  }
  const std::string line = FormatStringLine(text);
  if (line.size() > kLongestSettingsLine) {
    refuse("longer than a settings line (" + std::to_string(kLongestSettingsLine) + " bytes)");
  }
  Append(line);
}

void SequentialWriter::Close() {
  RequireOpen("Close");
  const int failure = ReplaceFileWhole(path_, contents_);
  if (failure != 0) {
    throw RuntimeError(ErrorNumber::PathFileAccessError, "SequentialWriter",
                       "Cannot write " + FileName(path_) + ": " + SystemReason(failure));
  }
  closed_ = true;
  contents_.clear();
}

// ---------------------------------------------------------------------------------------------

SequentialReader::SequentialReader(std::filesystem::path path)
    : lines_(std::move(path), "SequentialReader", kLongestSettingsLine) {}

std::string SequentialReader::NextLine(std::string_view expected, std::string_view problem) {
  if (AtEnd()) {
    throw RuntimeError(ErrorNumber::InputPastEndOfFile, "SequentialReader",
                       FileName(Path()) + ", line " + std::to_string(linesRead_ + 1) +
                           ": input past end of file (expected " + std::string(expected) + ")");
  }
  BoundedLineReader::Line line = lines_.Next();
  ++linesRead_;
  if (line.cutShort) {
    FailOnLine(ErrorNumber::TypeMismatch, problem, line.text);
  }
  return std::move(line.text);
}

void SequentialReader::FailOnLine(int number, std::string_view problem, const std::string& line) {
  // NextLine has already moved past the offending line.
  throw RuntimeError(number, "SequentialReader",
                     FileName(Path()) + ", line " + std::to_string(linesRead_) + ": " +
                         std::string(problem) + ", found " + QuoteForMessage(line));
}

std::int32_t SequentialReader::ReadInteger() {
  const std::string line = NextLine("an integer", kExpectedInteger);
  const ParsedLine<std::int32_t> parsed = ParseIntegerLine(line);
  if (parsed.errorNumber == ErrorNumber::Overflow) {
    FailOnLine(parsed.errorNumber, "expected an integer from -2147483648 to 2147483647", line);
  }
  if (!parsed.value) {
    FailOnLine(parsed.errorNumber, kExpectedInteger, line);
  }
  return *parsed.value;
}

bool SequentialReader::ReadBoolean() {
  const std::string line = NextLine("a boolean", kExpectedBoolean);
  const ParsedLine<bool> parsed = ParseBooleanLine(line);
  if (!parsed.value) {
    FailOnLine(parsed.errorNumber, kExpectedBoolean, line);
  }
  return *parsed.value;
}

std::string SequentialReader::ReadString() {
  const std::string line = NextLine("a quoted string", kExpectedString);
  ParsedLine<std::string> parsed = ParseStringLine(line);
  if (!parsed.value) {
    FailOnLine(parsed.errorNumber, kExpectedString, line);
  }
  return std::move(*parsed.value);
}

// ---------------------------------------------------------------------------------------------

void DeleteFile(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_directory(std::filesystem::symlink_status(path, error))) {
    throw RuntimeError(ErrorNumber::PathFileAccessError, "DeleteFile",
                       "Cannot delete " + FileName(path) + ": it is a folder");
  }
  const bool removed = std::filesystem::remove(path, error);
  if (error) {
    throw RuntimeError(ErrorNumber::PathFileAccessError, "DeleteFile",
                       "Cannot delete " + FileName(path) + ": " + error.message());
  }
  if (!removed) {
    throw RuntimeError(ErrorNumber::FileNotFound, "DeleteFile",
                       "File not found: " + FileName(path));
  }
}

}  // namespace rallix
