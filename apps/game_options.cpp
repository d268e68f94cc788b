#include "apps/game_options.h"

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

}  // namespace

GameOptions ParseGameOptions(std::span<const char* const> arguments) {
  GameOptions options;
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string_view argument = arguments[at];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
    } else if (argument == "--record" && !options.recordFolder) {
      options.recordFolder = ValueOf(arguments, at);
    } else if (argument == "--replay" && !options.replayFile) {
      options.replayFile = ValueOf(arguments, at);
    } else if (argument == "--record" || argument == "--replay") {
      throw UsageError(std::string(argument) + " is given twice");
    } else {
      throw UsageError("unknown option \"" + std::string(argument) + "\"");
    }
  }
  if (options.recordFolder && options.replayFile) {
    throw UsageError("--record and --replay cannot be used together");
  }
  return options;
}

void PrintGameUsage(std::ostream& out, std::string_view program) {
  out << "Usage: " << program << " [--record DIR | --replay FILE | --help]\n"
      << "\n"
      << "With no option, " << program << " starts as usual.\n"
      << "\n"
      << "  --record DIR   keep a replay of every match played in the folder DIR (made\n"
      << "                 when missing), one file per match\n"
      << "  --replay FILE  play the match recorded in FILE in the window, with no live\n"
      << "                 input, print how it ended (win, loss or esc against the\n"
      << "                 computer; player1, player2 or esc between two players;\n"
      << "                 closed when it was closed first) and exit\n"
      << "  --help         show this text\n"
      << "\n"
      << "The replay format is described by `rally-trace --help`, which traces a replay\n"
      << "pass by pass.\n"
      << "\n"
      << "Exit status: 0 done; 1 a run-time error, or a replay that did not end as it\n"
      << "was recorded; 2 a bad option or a replay file that cannot be played.\n";
}

}  // namespace rallix
