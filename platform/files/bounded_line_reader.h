#pragma once
// Reads a regular file's lines one at a time, only as far as they are asked for, never holding
// more than a set length of any one line: a settings file that is huge, endless or one long line
// costs no more than a sensible one.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files/file_descriptor.h"

namespace rallix {

// A line's text without its line ending. The LF is already gone; a CR just before it belongs to
// the ending, and so does a lone CR closing the file.
std::string_view WithoutLineEndingCr(std::string_view piece);

class BoundedLineReader {
 public:
  struct Line {
    std::string text;       // at most the longest length
    bool cutShort = false;  // the line went on past it; the rest was skipped
  };

  // Opens the file; nothing is read yet. Errors carry `source` and name the file as given.
  // Missing or unreadable (a folder too): FileNotFound; anything but a regular file (a FIFO, a
  // device) is refused before a byte is read from it, so it can neither block nor run on for
  // ever: PathFileAccessError. A read failing later: PathFileAccessError with the system's
  // reason.
  BoundedLineReader(std::filesystem::path path, const char* source, std::size_t longestLine);

  // Lines end at LF; a last line without its line ending still counts. Not const: finding out
  // may take reading on, past the rest of a line cut short.
  bool AtEnd();
  // Only when !AtEnd(). The rest of a line cut short is skipped only when more is asked for.
  Line Next();

  const std::filesystem::path& Path() const { return path_; }

 private:
  // Hands the current line to `keep` piece by piece, without its LF, up to the LF or the
  // file's end: true then. False when `keep` wanted no more before the line ended.
  template <typename Keep>
  bool ReadLine(Keep&& keep);
  void SkipRestOfCutLine();
  // Reads the next piece of the file into the buffer; false at its end.
  bool Refill();
  [[noreturn]] void FailToRead(int errorNumber) const;

  std::filesystem::path path_;
  const char* source_;
  std::size_t longestLine_;
  FileDescriptor file_;
  std::vector<char> buffer_;
  std::size_t next_ = 0;
  std::size_t end_ = 0;
  bool endOfFile_ = false;
  bool insideCutLine_ = false;
};

}  // namespace rallix
