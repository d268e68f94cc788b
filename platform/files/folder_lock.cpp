#include "platform/files/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace rallix {

// A web page has one game per file system: nothing to keep out there.
#ifndef __EMSCRIPTEN__
namespace {

// Read and write for the player, read for the others: the file holds nothing.
constexpr mode_t kLockFileMode = 0644;
constexpr mode_t kProbeFileMode = 0600;
// Written and removed at once while the folder is held, so no other game meets it.
constexpr const char* kProbeFileName = ".rallix.probe";
// Each further try follows a game that let go of the folder between our opening
// the lock file and locking it; one that keeps doing so is still using it.
constexpr int kLockTries = 8;

[[noreturn]] void ThrowCannotUse(const std::filesystem::path& folder, int error) {
  throw std::system_error(error, std::generic_category(),
                          "cannot use the folder " + folder.string());
}

// Whether `file` still names what `descriptor` has open. A game letting go removes
// its lock file before it unlocks, so whoever was waiting on that file holds a lock
// on a file nobody else will open again.
bool StillNamed(const std::filesystem::path& file, const FileDescriptor& descriptor,
                const std::filesystem::path& folder) {
  struct stat held {};
  if (::fstat(descriptor.Get(), &held) != 0) {
    ThrowCannotUse(folder, errno);
  }
  struct stat named {};
  if (::stat(file.c_str(), &named) != 0) {
    if (errno == ENOENT) {
      return false;
    }
    ThrowCannotUse(folder, errno);
  }
  return named.st_dev == held.st_dev && named.st_ino == held.st_ino;
}

// A lock file left by an earlier run opens even in a folder that has since become
// read-only: only making a new file shows whether the screens can write theirs.
void ProveWritable(const std::filesystem::path& folder) {
  const std::filesystem::path probe = folder / kProbeFileName;
  FileDescriptor file(
      ::open(probe.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kProbeFileMode));
  if (!file.Valid()) {
    ThrowCannotUse(folder, errno);
  }
  ::unlink(probe.c_str());
}

}  // namespace
#endif

FolderInUse::FolderInUse(const std::filesystem::path& folder)
    : std::runtime_error("Rallix is already running in " + folder.string()) {}

FolderLock FolderLock::Take(const std::filesystem::path& folder) {
#ifdef __EMSCRIPTEN__
  return FolderLock(folder, FileDescriptor(-1));
#else
  const std::filesystem::path file = folder / kFileName;
  for (int attempt = 0; attempt < kLockTries; ++attempt) {
    FileDescriptor descriptor(::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, kLockFileMode));
    if (!descriptor.Valid()) {
      ThrowCannotUse(folder, errno);
    }
    if (::flock(descriptor.Get(), LOCK_EX | LOCK_NB) != 0) {
      if (errno == EWOULDBLOCK) {
        throw FolderInUse(folder);
      }
      ThrowCannotUse(folder, errno);
    }
    if (StillNamed(file, descriptor, folder)) {
      ProveWritable(folder);
      return FolderLock(file, std::move(descriptor));
    }
  }
  throw FolderInUse(folder);
#endif
}

FolderLock::~FolderLock() {
  if (descriptor_.Valid()) {
    // Removed while still held (see StillNamed); the descriptor closes after this.
    ::unlink(file_.c_str());
  }
}

}  // namespace rallix
