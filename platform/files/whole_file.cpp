#include "platform/files/whole_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <utility>

namespace rallix {
namespace {

// Owns a POSIX file descriptor: the file must reach the disk (fsync) before it replaces the
// earlier one, which the standard streams cannot promise.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }
  // Closes now so that a late write error reported by close() is not lost; errno on failure.
  int Close() {
    const int result = ::close(std::exchange(fd_, -1));
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

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

std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target) {
  static std::atomic<unsigned> sequence{0};
  std::filesystem::path temporary = target;
  temporary += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(sequence++);
  return temporary;
}

// Makes the rename itself durable; a folder that cannot be synced is no reason to fail.
void SyncFolderOf(const std::filesystem::path& target) {
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) {
    folder = ".";
  }
  FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Valid()) {
    ::fsync(fd.Get());
  }
}

}  // namespace

int ReplaceFileWhole(const std::filesystem::path& target, std::string_view bytes) {
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
  if (failure == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
    failure = errno;
  }
  if (failure != 0) {
    ::unlink(temporary.c_str());
    return failure;
  }
  SyncFolderOf(target);
  return 0;
}

}  // namespace rallix
