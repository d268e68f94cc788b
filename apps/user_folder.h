#pragma once
// The player's own folder for the files the screens write, for a game started
// from the desktop's menu: a desktop starts programs in the home folder, which
// the settings and picture files must not litter. Each program has a folder of
// its own, so that both can be played at once from the menu.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace rallix {

// Reads an environment variable; nullopt when it is not set.
using EnvironmentReader = std::function<std::optional<std::string>(const char* name)>;

// The process's own environment.
std::optional<std::string> ProcessEnvironment(const char* name);

// $XDG_DATA_HOME/rallix/PROGRAM, or $HOME/.local/share/rallix/PROGRAM when
// XDG_DATA_HOME is unset, empty or relative (the base-directory rules say a
// relative one is to be ignored). Neither usable: nullopt.
std::optional<std::filesystem::path> UserFolder(std::string_view program,
                                                const EnvironmentReader& environment);

// Makes the program's user folder if need be and makes it the working
// directory. The message of a failure says which folder and why.
void EnterUserFolder(std::string_view program);

// Moves the settings files `program` owns from $XDG_DATA_HOME/rallix, where
// both programs kept their files before each had a folder of its own, into
// its user folder. A file missing there, or already in the user folder, stays
// where it is: a move never overwrites. A move that fails otherwise raises,
// saying which file and why.
void MoveOwnSettingsFiles(std::string_view program, const EnvironmentReader& environment);

}  // namespace rallix
