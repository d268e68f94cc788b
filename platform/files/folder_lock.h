#pragma once
// Keeps a second game out of the folder a game plays in. The screens hand values
// to the match through files of fixed names there, which two games in one folder
// would overwrite and delete under each other. The lock is an advisory one on a
// small file in the folder, held for the whole run: the system lets go of it when
// the process ends however it ends, so a crash never shuts a folder for good.
// In a web page, which has one game per file system, nothing is locked.

#include <filesystem>
#include <stdexcept>

#include "platform/files/file_descriptor.h"

namespace rallix {

// Another game (either program) holds the folder.
class FolderInUse : public std::runtime_error {
 public:
  explicit FolderInUse(const std::filesystem::path& folder);
};

class FolderLock {
 public:
  // The lock file both programs share, so that they keep out of each other too.
  static constexpr const char* kFileName = ".rallix.lock";

  // Takes `folder` for this process. Raises FolderInUse when another process
  // holds it, and std::system_error ("cannot use the folder FOLDER: reason")
  // when no game could play there: the lock file cannot be made, or the folder
  // takes no new file (read-only), which the screens would only find out at
  // their first write.
  static FolderLock Take(const std::filesystem::path& folder);

  FolderLock(FolderLock&& other) noexcept = default;
  FolderLock& operator=(FolderLock&&) = delete;
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  // Removes the lock file, then lets go: the folder is left as it was found.
  ~FolderLock();

 private:
  FolderLock(std::filesystem::path file, FileDescriptor descriptor)
      : file_(std::move(file)), descriptor_(std::move(descriptor)) {}

  std::filesystem::path file_;
  FileDescriptor descriptor_;
};

}  // namespace rallix
