#include "platform/files/whole_file.h"

#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/types.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <optional>
#include <string>

#include "platform/files/file_descriptor.h"

namespace rallix {
namespace {

// The system's errno for a failed step, or 0.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

std::filesystem::path FolderOf(const std::filesystem::path& target) {
  return target.has_parent_path() ? target.parent_path() : ".";
}

// A temporary is named "<target>.tmp-<writer's pid>-<sequence>".
constexpr std::string_view kTemporaryMark = ".tmp-";

std::string TemporaryName(std::string_view targetName, pid_t writer, unsigned sequence) {
  return std::string(targetName) + std::string(kTemporaryMark) + std::to_string(writer) + "-" +
         std::to_string(sequence);
}

std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target) {
  static std::atomic<unsigned> sequence{0};
  return target.parent_path() / TemporaryName(target.filename().string(), ::getpid(), sequence++);
}

// The pid of the writer that made this file as one of the target's temporaries, or nothing
// when the name is anything else.
std::optional<pid_t> WriterOfTemporary(const std::string& name, std::string_view targetName) {
  const std::size_t numbersAt = targetName.size() + kTemporaryMark.size();
  const std::size_t dash = name.find('-', numbersAt);
  if (dash == std::string::npos) {
    return std::nullopt;
  }
  pid_t writer = 0;
  unsigned sequence = 0;
  const char* text = name.data();
  std::from_chars(text + numbersAt, text + dash, writer);
  std::from_chars(text + dash + 1, text + name.size(), sequence);
  // Only a name this writer could have made, digit for digit, is one; and kill() reads 0 and
  // below as process groups, never as one writer.
  if (writer <= 0 || name != TemporaryName(targetName, writer, sequence)) {
    return std::nullopt;
  }
  return writer;
}

// A writer killed between writing its temporary and renaming it leaves the temporary behind for
// ever. Those of writers no longer running go; a running writer's may be about to take the
// target's name, and anything else is not ours to touch.
void RemoveStaleTemporariesOf(const std::filesystem::path& target) {
  const std::string targetName = target.filename().string();
  if (targetName.empty()) {
    return;
  }
  std::error_code error;
  for (std::filesystem::directory_iterator entry(FolderOf(target), error), end;
       !error && entry != end; entry.increment(error)) {
    const std::optional<pid_t> writer =
        WriterOfTemporary(entry->path().filename().string(), targetName);
    std::error_code typeError;
    if (writer && ::kill(*writer, 0) != 0 && errno == ESRCH &&
        entry->symlink_status(typeError).type() == std::filesystem::file_type::regular) {
      ::unlink(entry->path().c_str());
    }
  }
}

// Makes the rename itself durable; a folder that cannot be synced is no reason to fail.
void SyncFolderOf(const std::filesystem::path& target) {
  FileDescriptor fd(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Valid()) {
    ::fsync(fd.Get());
  }
}

}  // namespace

namespace {

// Writes the bytes to a fresh temporary beside the target, on the disk, then
// hands it to `takeName`, which gives it the target's name or fails with an
// errno. Returns that errno, or 0; the temporary never outlives a failure.
template <typename TakeName>
int WriteWholeThen(const std::filesystem::path& target, std::string_view bytes,
                   TakeName&& takeName) {
  RemoveStaleTemporariesOf(target);
  const std::filesystem::path temporary = TemporaryPathBeside(target);
  FileDescriptor fd(
      ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_TRUNC | O_CLOEXEC, 0666));
  if (!fd.Valid()) {
    return errno;
  }
  int failure = WriteAll(fd.Get(), bytes);
  if (failure == 0 && ::fsync(fd.Get()) != 0) {
    failure = errno;
  }
  const int closeFailure = fd.Close();
  if (failure == 0) {
    failure = closeFailure;
  }
  if (failure == 0) {
    failure = takeName(temporary);
  }
  if (failure != 0) {
    ::unlink(temporary.c_str());
    return failure;
  }
  SyncFolderOf(target);
  return 0;
}

// Gives the temporary the target's name only while no file has it. A rename
// that refuses to replace is the one step that can tell; where the file
// system lacks it, a second link to the temporary does the same.
int TakeFreeName(const std::filesystem::path& temporary, const std::filesystem::path& target) {
#if defined(RENAME_NOREPLACE) && !defined(__EMSCRIPTEN__)
  if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
    return 0;
  }
  if (errno != EINVAL && errno != ENOSYS) {
    return errno;
  }
#endif
  if (::link(temporary.c_str(), target.c_str()) != 0) {
    return errno;
  }
  ::unlink(temporary.c_str());
  return 0;
}

}  // namespace

int ReplaceFileWhole(const std::filesystem::path& target, std::string_view bytes) {
  return WriteWholeThen(target, bytes, [&target](const std::filesystem::path& temporary) {
    return ::rename(temporary.c_str(), target.c_str()) == 0 ? 0 : errno;
  });
}

int CreateFileWhole(const std::filesystem::path& target, std::string_view bytes) {
  return WriteWholeThen(target, bytes, [&target](const std::filesystem::path& temporary) {
    return TakeFreeName(temporary, target);
  });
}

}  // namespace rallix
