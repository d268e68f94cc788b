#pragma once
// Where a program started with --record keeps its replays: one file for each
// match, named after the program, the time and the kind of match, never over
// an earlier one.

#include <filesystem>
#include <string>

#include "replay/replay.h"

namespace rallix {

class ReplayFolder {
 public:
  // Makes the folder when it is missing and makes sure a file can be written
  // there; when not: ReplayError saying why.
  ReplayFolder(std::filesystem::path folder, std::string program);

  // Writes the replay whole under a name no other file has, even one another
  // game saves at the same moment, and returns that name. Failure (a full
  // disk, a folder gone): ReplayError naming the file and the reason.
  std::filesystem::path Save(const Replay& replay) const;

  const std::filesystem::path& Folder() const { return folder_; }
  const std::string& Program() const { return program_; }

 private:
  std::filesystem::path folder_;
  std::string program_;
};

}  // namespace rallix
