#pragma once
// The player's own folder for the files the screens write, for a game started
// from the desktop's menu: a desktop starts programs in the home folder, which
// the settings and picture files must not litter.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace rallix {

// Reads an environment variable; nullopt when it is not set.
using EnvironmentReader = std::function<std::optional<std::string>(const char* name)>;

// $XDG_DATA_HOME/rallix, or $HOME/.local/share/rallix when XDG_DATA_HOME is
// unset, empty or relative (the base-directory rules say a relative one is to
// be ignored). Neither usable: nullopt.
std::optional<std::filesystem::path> UserFolder(const EnvironmentReader& environment);

// Makes the user folder if need be and makes it the working directory. The
// message of a failure says which folder and why.
void EnterUserFolder();

}  // namespace rallix
