#include "apps/game_options.h"

#include <charconv>
#include <string>

namespace rallix {
namespace {

// The value after an option that takes one.
std::filesystem::path ValueOf(std::span<const char* const> arguments, std::size_t& at) {
  const std::string option = arguments[at];
  if (at + 1 >= arguments.size() || std::string_view(arguments[at + 1]).empty()) {
    throw UsageError(option + " needs a " + (option == "--record" ? "folder" : "file"));
  }
  return arguments[++at];
}

// The port after --host, when the next argument is one; the game's own port
// otherwise.
std::uint16_t HostPortOf(std::span<const char* const> arguments, std::size_t& at) {
  if (at + 1 >= arguments.size() || std::string_view(arguments[at + 1]).starts_with("-")) {
    return kDefaultHostPort;
  }
  const std::string_view text = arguments[++at];
  unsigned port = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (error != std::errc{} || end != text.data() + text.size() || port == 0 || port > 65535) {
    throw UsageError("--host takes a port from 1 to 65535, not \"" + std::string(text) + "\"");
  }
  return static_cast<std::uint16_t>(port);
}

}  // namespace

GameOptions ParseGameOptions(std::span<const char* const> arguments) {
  GameOptions options;
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string_view argument = arguments[at];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
    } else if (argument == "--version") {
      options.version = true;
    } else if (argument == "--user-folder") {
      options.userFolder = true;
    } else if (argument == "--record" && !options.recordFolder) {
      options.recordFolder = ValueOf(arguments, at);
    } else if (argument == "--replay" && !options.replayFile) {
      options.replayFile = ValueOf(arguments, at);
    } else if (argument == "--host" && !options.hostPort) {
      options.hostPort = HostPortOf(arguments, at);
    } else if (argument == "--join" && !options.joinAddress) {
      if (at + 1 >= arguments.size() || std::string_view(arguments[at + 1]).empty()) {
        throw UsageError("--join needs an address: HOST or HOST:PORT");
      }
      options.joinAddress = arguments[++at];
    } else if (argument == "--record" || argument == "--replay" || argument == "--host" ||
               argument == "--join") {
      throw UsageError(std::string(argument) + " is given twice");
    } else {
      throw UsageError("unknown option \"" + std::string(argument) + "\"");
    }
  }
  if (options.recordFolder && options.replayFile) {
    throw UsageError("--record and --replay cannot be used together");
  }
  if (options.hostPort && options.joinAddress) {
    throw UsageError("--host and --join cannot be used together");
  }
  if ((options.hostPort || options.joinAddress) && options.replayFile) {
    throw UsageError("--replay cannot be used with --host or --join");
  }
  return options;
}

void PrintGameUsage(std::ostream& out, std::string_view program) {
  out << "Usage: " << program << " [--user-folder] [--record DIR | --replay FILE]\n"
      << "   or: " << program << " --help | --version\n";
  if (program == "rallix") {
    out << "   or: " << program
        << " [--user-folder] [--record DIR] --host [PORT] | --join HOST[:PORT]\n";
  }
  out << "\n"
      << "With no option, " << program << " starts as usual and keeps the settings and\n"
      << "picture files its screens write in the working directory.\n"
      << "\n"
      << "  --user-folder  keep those files in the player's own folder instead,\n"
      << "                 $XDG_DATA_HOME/rallix/" << program << " (by default\n"
      << "                 ~/.local/share/rallix/" << program << "), made on first start;\n"
      << "                 the desktop menu entries use it\n"
      << "  --record DIR   keep a replay of every match played in the folder DIR (made\n"
      << "                 when missing), one file per match\n"
      << "  --replay FILE  play the match recorded in FILE in the window, with no live\n"
      << "                 input, print how it ended (win, loss or esc against the\n"
      << "                 computer; player1, player2 or esc between two players;\n"
      << "                 closed when it was closed first) and exit\n"
      << (program == "rallix"
              ? "  --host [PORT]  open the network screen hosting a match on UDP port PORT\n"
                "                 (7787 unless given) and start it as soon as a player joins\n"
                "  --join HOST[:PORT]  open the network screen and join the match hosted\n"
                "                 there\n"
              : "")
      << "  --help         show this text and exit\n"
      << "  --version      show the version and exit\n"
      << "\n"
      << "The replay format is described by `rally-trace --help`, which traces a replay\n"
      << "pass by pass.\n"
      << "\n"
      << "A pad SDL knows as a game controller steers with its left stick or D-pad;\n"
      << "SDL_GAMECONTROLLERCONFIG_FILE may name a file of SDL mappings, one a line,\n"
      << "for pads it does not know. Any other joystick steers with its first axis, or\n"
      << "its first hat when it has no axis.\n"
      << "\n"
      << "On a HiDPI desktop the screens are drawn at its scale, a whole number read\n"
      << "from GDK_SCALE, else Xft.dpi / 96 (X resources), else the window system's\n"
      << "own scale; RALLIX_SCALE=N (1 to 4) sets it instead.\n"
      << "\n"
      << "Exit status: 0 done; 1 a run-time error, or a replay that did not end as it\n"
      << "was recorded; 2 a bad option or a replay file that cannot be played.\n";
}

void PrintGameVersion(std::ostream& out, std::string_view program) {
  out << program << " " << RALLIX_VERSION << "\n";
}

}  // namespace rallix
