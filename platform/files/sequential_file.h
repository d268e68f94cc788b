#pragma once
// The small settings files the screens hand to each other: one value per line,
// every line ended by CR LF, single-byte text.
//   integer  decimal digits, "-" in front only when negative: 317, -4
//   boolean  #TRUE# or #FALSE#
//   string   between double quotes, characters unchanged: "Player one"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files/bounded_line_reader.h"

namespace rallix {

// The longest line, its ending aside, a settings file may hold. Every value the screens write is
// far shorter, and a reader never holds more of one line than this, whatever the file holds.
inline constexpr std::size_t kLongestSettingsLine = 4096;

// Writes a settings file whole or not at all: values collect in memory, Close() writes a
// temporary file beside the target, flushes it to the disk, then renames it over the target,
// so a crash or power cut never leaves half a file. Destroyed without Close(): nothing is
// written.
class SequentialWriter {
 public:
  explicit SequentialWriter(std::filesystem::path path);
  SequentialWriter(const SequentialWriter&) = delete;
  SequentialWriter& operator=(const SequentialWriter&) = delete;

  void WriteInteger(std::int32_t value);
  void WriteBoolean(bool value);
  // Text holding a double quote, CR or LF, or too long for a settings line, could not be read
  // back as one value: TypeMismatch.
  void WriteString(std::string_view text);
  // Failure (folder missing, not writable, disk full...): PathFileAccessError naming the file
  // and the system's reason; the earlier file stays intact and Close() may be tried again.
  // Writing or closing again after a successful Close(): BadFileNameOrNumber.
  void Close();

  const std::filesystem::path& Path() const { return path_; }

 private:
  void Append(std::string_view line);
  void RequireOpen(const char* operation) const;

  std::filesystem::path path_;
  std::string contents_;
  bool closed_ = false;
};

// Reads a settings file line by line, each line parsed as the type the caller expects there.
// The file stays open and is read only as far as the lines asked for; a missing or unreadable
// file: FileNotFound; anything but a regular file (a FIFO, a device): PathFileAccessError.
// Reading past the last line: InputPastEndOfFile. A line longer than kLongestSettingsLine is
// no value at all: TypeMismatch, quoting its start.
class SequentialReader {
 public:
  explicit SequentialReader(std::filesystem::path path);

  std::int32_t ReadInteger();  // not an integer: TypeMismatch; outside 32 bits: Overflow
  bool ReadBoolean();          // not #TRUE# / #FALSE#: TypeMismatch
  std::string ReadString();    // not "quoted": TypeMismatch
  // Not const: finding out may take reading on.
  bool AtEnd() { return lines_.AtEnd(); }

  const std::filesystem::path& Path() const { return lines_.Path(); }

 private:
  // The next line; past the end: InputPastEndOfFile naming what the caller expected there; a
  // line too long to be any value: TypeMismatch with `problem`.
  std::string NextLine(std::string_view expected, std::string_view problem);
  [[noreturn]] void FailOnLine(int number, std::string_view problem, const std::string& line);

  BoundedLineReader lines_;
  std::size_t linesRead_ = 0;
};

// Removes a file; a missing one: FileNotFound naming it.
void DeleteFile(const std::filesystem::path& path);

// One line of settings text read as the type expected there: the value, or the run-time
// error number saying why not (TypeMismatch, Overflow).
template <typename T>
struct ParsedLine {
  std::optional<T> value;
  int errorNumber = 0;
};

// One line's text without its line ending, in the exact form the reader accepts back.
std::string FormatIntegerLine(std::int32_t value);
std::string FormatBooleanLine(bool value);
std::string FormatStringLine(std::string_view text);  // caller rules out quote, CR and LF

// Only the canonical form is an integer: no sign but a "-" on a negative number, no spaces,
// no leading zeros, no "-0"; the same digits beyond 32 bits are an Overflow.
ParsedLine<std::int32_t> ParseIntegerLine(std::string_view line);
ParsedLine<bool> ParseBooleanLine(std::string_view line);
// A quote at each end and none between.
ParsedLine<std::string> ParseStringLine(std::string_view line);

// Splits file text into lines: each ends at LF, a CR just before the LF is dropped, and a
// last line without its line ending still counts.
std::vector<std::string> SplitSettingsLines(std::string_view text);

// The words of a line of the developer formats (replays, trace scripts): runs of anything
// but blanks (space, tab, CR, form feed, vertical tab). They point into the line.
std::vector<std::string_view> SplitFields(std::string_view line);

// A line's text as it appears in an error message: quoted, control and high bytes shown as
// \xNN, cut short with "..." when long.
std::string QuoteForMessage(std::string_view text);

}  // namespace rallix
