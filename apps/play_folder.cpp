#include "apps/play_folder.h"

#include <filesystem>
#include <iostream>

#include "apps/user_folder.h"
#include "platform/forms/stop_signals.h"
#include "platform/video/message_box.h"

namespace rallix {

FolderLock HoldPlayFolder(std::string_view program, bool userFolder) {
  FolderLock lock = FolderLock::Take(std::filesystem::current_path());
  if (userFolder) {
    MoveOwnSettingsFiles(program, ProcessEnvironment);
  }
  return lock;
}

int ReportFolderInUse(std::string_view program, const FolderInUse& error) {
  std::cerr << program << ": " << error.what() << std::endl;
  // No runtime is up to hear a stop signal: without these, one would end the
  // game and leave its box on the screen.
  const StopSignals stopSignals;
  const MessageBoxUp boxUp;
  ShowMessageWithoutWindow(error.what());
  return 1;
}

}  // namespace rallix
