// The end of a program, whichever way it comes: a player's exit, a signal, or
// a failure reported where the player sees it.

#include <iostream>
#include <new>
#include <string>

#include "core/error_numbers.h"
#include "platform/forms/failure_report.h"
#include "platform/forms/runtime.h"
#include "platform/forms/stop_signals.h"

namespace rallix {

namespace {

// Reports a failure where the player sees it, and on stderr; returns status 1.
int ReportFailure(FormsRuntime& runtime, int number, const std::string& source,
                  const std::string& description) {
  runtime.GiveDisplayBack();
  std::cerr << runtime.Program() << ": run-time error " << number << " in " << source << ": "
            << description << "\n";
  const std::string text = "Run-time error '" + std::to_string(number) + "':\n\n" + description +
                           "\n\nSource: " + source;
  const MessageBoxUp boxUp;
  runtime.Window().ShowMessage("Rallix", text);
  return 1;
}

}  // namespace

int RunReportingFailures(FormsRuntime& runtime, const std::function<int()>& step) {
  try {
    return step();
  } catch (const RuntimeError& error) {
    return ReportFailure(runtime, error.Number(), error.Source(), error.Description());
  } catch (const std::bad_alloc&) {
    return ReportFailure(runtime, ErrorNumber::OutOfMemory, "Runtime", "Out of memory");
  } catch (const std::exception& error) {
    // Nothing of ours throws these on purpose: a fault, still reported as
    // one rather than left to end the program holding the screen.
    return ReportFailure(runtime, ErrorNumber::InternalError, "Runtime",
                         std::string("Internal error: ") + error.what());
  } catch (...) {
    return ReportFailure(runtime, ErrorNumber::InternalError, "Runtime", "Internal error");
  }
}

// In a browser the page's frame callback runs the loop instead
// (browser_main_loop.cpp).
#ifndef __EMSCRIPTEN__
int RunProgram(FormsRuntime& runtime, Form& startup) {
  return RunReportingFailures(runtime, [&runtime, &startup] {
    runtime.Run(startup);
    return runtime.StoppedBySignal() != 0 ? ExitStatusForSignal(runtime.StoppedBySignal()) : 0;
  });
}
#endif

}  // namespace rallix
