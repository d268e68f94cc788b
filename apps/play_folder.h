#pragma once
// The folder a game is played in is that game's alone while it runs: the
// screens hand values to the match through files of fixed names there.

#include <string_view>

#include "platform/files/folder_lock.h"

namespace rallix {

// Takes the working directory for this run (see FolderLock::Take for what it
// raises). In the user folder, the settings files the program kept in the
// folder both programs once shared come over first, once it is held, so that
// no game is writing them meanwhile.
FolderLock HoldPlayFolder(std::string_view program, bool userFolder);

// Tells the player another game holds the folder, on stderr and in a message
// box; returns the exit status.
int ReportFolderInUse(std::string_view program, const FolderInUse& error);

}  // namespace rallix
