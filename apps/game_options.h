#pragma once
// What both programs take on their command line, and what they print for it.
// With no option they play as they always did: nothing read, nothing recorded,
// every file the screens write in the working directory.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace rallix {

struct GameOptions {
  bool help = false;
  bool version = false;
  // Keep the settings and picture files in the player's own folder (see
  // user_folder.h) instead of the working directory: how the desktop entries
  // start the games, since a desktop starts them in the home folder.
  bool userFolder = false;
  // Keep a replay of every match played, in this folder.
  std::optional<std::filesystem::path> recordFolder;
  // Play this recorded match in the window, then say how it ended.
  std::optional<std::filesystem::path> replayFile;
  // Open the network screen hosting on this port, and start the match as
  // soon as a player joins (the full game only).
  std::optional<std::uint16_t> hostPort;
  // Open the network screen and join the game at "host" or "host:port".
  std::optional<std::string> joinAddress;
};

// The port --host takes when none is given: the game's own.
inline constexpr std::uint16_t kDefaultHostPort = 7787;

// A command line the program cannot act on; the message says why.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The arguments after the program's name.
GameOptions ParseGameOptions(std::span<const char* const> arguments);

void PrintGameUsage(std::ostream& out, std::string_view program);
// "rallix 0.4": the program and the game's version, as --version prints it.
void PrintGameVersion(std::ostream& out, std::string_view program);

// Exit statuses besides 0 (done) and 1 (a run-time error, or a replay that did
// not play as it was recorded).
inline constexpr int kUsageStatus = 2;

}  // namespace rallix
