// rally-trace: see tools/rally_trace_lib.h and `rally-trace --help`.

#include <iostream>
#include <new>
#include <string>
#include <string_view>

#include "replay/replay_text.h"
#include "tools/rally_trace_lib.h"

namespace {

using rallix::TraceStatus;

int Run(int argc, char** argv) {
  const auto bad = [](const std::string& problem) {
    std::cerr << "rally-trace: " << problem << "\n\n";
    rallix::PrintRallyTraceUsage(std::cerr);
    return static_cast<int>(TraceStatus::BadInput);
  };
  if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    rallix::PrintRallyTraceUsage(std::cout);
    return 0;
  }
  if (argc > 1 && std::string_view(argv[1]) == "--replay") {
    if (argc != 3) {
      return bad("--replay takes one replay file");
    }
    try {
      const rallix::Replay replay = rallix::ReadReplayFile(argv[2]);
      return static_cast<int>(rallix::RunReplayTrace(replay, std::cout, std::cerr));
    } catch (const rallix::ReplayError& error) {
      std::cerr << "rally-trace: " << error.what() << "\n";
      return static_cast<int>(TraceStatus::BadInput);
    }
  }
  if (argc > 1) {
    return bad("unexpected argument \"" + std::string(argv[1]) +
               "\"; the script comes on standard input");
  }
  return static_cast<int>(rallix::RunRallyTrace(std::cin, std::cout, std::cerr));
}

}  // namespace

int main(int argc, char** argv) {
  // Whatever else goes wrong is said in one line, as the games say it, and
  // never ends the tool with an abort.
  try {
    return Run(argc, argv);
  } catch (const std::bad_alloc&) {
    std::cerr << "rally-trace: out of memory\n";
  } catch (const std::exception& error) {
    std::cerr << "rally-trace: " << error.what() << "\n";
  }
  return static_cast<int>(TraceStatus::RunTimeError);
}
