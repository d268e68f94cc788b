#include "platform/files/bounded_line_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

#include "core/errors.h"

namespace rallix {
namespace {

// How much of the file one read brings in: a settings file usually fits whole.
constexpr std::size_t kReadPiece = 4096;

[[noreturn]] void FailNotFound(const std::filesystem::path& path, const char* source,
                               int errorNumber) {
  std::string description = "File not found: " + path.string();
  // A missing file is named alone, as it always was; any other reason is worth saying.
  if (errorNumber != ENOENT && errorNumber != ENOTDIR) {
    description += " (" + std::generic_category().message(errorNumber) + ")";
  }
  throw RuntimeError(ErrorNumber::FileNotFound, source, description);
}

// Checked on the path before opening it, since opening a device may itself do something, and
// again on what was opened, in case the path was swapped in between.
void RequireRegularFile(const struct stat& status, const std::filesystem::path& path,
                        const char* source) {
  if (S_ISDIR(status.st_mode)) {
    throw RuntimeError(ErrorNumber::FileNotFound, source,
                       "File not found: " + path.string() + " (it is a folder)");
  }
  if (!S_ISREG(status.st_mode)) {
    throw RuntimeError(ErrorNumber::PathFileAccessError, source,
                       "Cannot read " + path.string() + ": it is not a regular file");
  }
}

FileDescriptor OpenRegularFile(const std::filesystem::path& path, const char* source) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    FailNotFound(path, source, errno);
  }
  RequireRegularFile(status, path, source);
  // Without O_NONBLOCK, a FIFO put in the file's place would wait for a writer for ever; a
  // regular file's reads ignore the flag.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!file.Valid() || ::fstat(file.Get(), &status) != 0) {
    FailNotFound(path, source, errno);
  }
  RequireRegularFile(status, path, source);
  return file;
}

}  // namespace

std::string_view WithoutLineEndingCr(std::string_view piece) {
  if (!piece.empty() && piece.back() == '\r') {
    piece.remove_suffix(1);
  }
  return piece;
}

BoundedLineReader::BoundedLineReader(std::filesystem::path path, const char* source,
                                     std::size_t longestLine)
    : path_(std::move(path)),
      source_(source),
      longestLine_(longestLine),
      file_(OpenRegularFile(path_, source_)),
      buffer_(kReadPiece) {}

bool BoundedLineReader::AtEnd() {
  SkipRestOfCutLine();
  return next_ == end_ && (endOfFile_ || !Refill());
}

BoundedLineReader::Line BoundedLineReader::Next() {
  SkipRestOfCutLine();
  // One byte beyond the longest line, for a CR that turns out to belong to the line ending.
  const std::size_t kept = longestLine_ + 1;
  Line line;
  bool overflowed = false;
  insideCutLine_ = !ReadLine([&](std::string_view piece) {
    const std::size_t room = kept - line.text.size();
    line.text.append(piece.substr(0, room));
    overflowed = overflowed || piece.size() > room;
    return !overflowed;
  });
  // A CR kept at the cut is no line ending: the line went on after it.
  if (!overflowed) {
    line.text.resize(WithoutLineEndingCr(line.text).size());
  }
  if (line.text.size() > longestLine_) {
    line.text.resize(longestLine_);
    line.cutShort = true;
  }
  return line;
}

template <typename Keep>
bool BoundedLineReader::ReadLine(Keep&& keep) {
  while (next_ < end_ || Refill()) {
    const char* start = buffer_.data() + next_;
    const std::size_t available = end_ - next_;
    const auto* lineFeed = static_cast<const char*>(std::memchr(start, '\n', available));
    const std::size_t piece =
        lineFeed != nullptr ? static_cast<std::size_t>(lineFeed - start) : available;
    next_ += piece;
    const bool wanted = keep(std::string_view(start, piece));
    if (lineFeed != nullptr) {
      ++next_;
      return true;
    }
    if (!wanted) {
      return false;
    }
  }
  return true;
}

void BoundedLineReader::SkipRestOfCutLine() {
  if (insideCutLine_) {
    ReadLine([](std::string_view) { return true; });
    insideCutLine_ = false;
  }
}

bool BoundedLineReader::Refill() {
  for (;;) {
    const ssize_t got = ::read(file_.Get(), buffer_.data(), buffer_.size());
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got < 0) {
      FailToRead(errno);
    }
    next_ = 0;
    end_ = static_cast<std::size_t>(got);
    endOfFile_ = got == 0;
    return got > 0;
  }
}

void BoundedLineReader::FailToRead(int errorNumber) const {
  throw RuntimeError(
      ErrorNumber::PathFileAccessError, source_,
      "Cannot read " + path_.string() + ": " + std::generic_category().message(errorNumber));
}

}  // namespace rallix
