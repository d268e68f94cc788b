// rally-trace: see tools/rally_trace_lib.h and `rally-trace --help`.

#include <iostream>
#include <string_view>

#include "tools/rally_trace_lib.h"

int main(int argc, char** argv) {
  if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    rallix::PrintRallyTraceUsage(std::cout);
    return 0;
  }
  if (argc > 1) {
    std::cerr << "rally-trace: unexpected argument \"" << argv[1]
              << "\"; the script comes on standard input\n\n";
    rallix::PrintRallyTraceUsage(std::cerr);
    return static_cast<int>(rallix::TraceStatus::BadInput);
  }
  return static_cast<int>(rallix::RunRallyTrace(std::cin, std::cout, std::cerr));
}
