#pragma once
// How a failure reaches the player: whatever a step of the program throws, a
// run-time error or anything else, is reported where the player sees it
// (display given back, pointer shown, message box or page notice, stderr).

#include <functional>

#include "platform/forms/runtime.h"

namespace rallix {

// Runs `step` and returns what it returns; a failure it throws is reported
// and turns into exit status 1.
int RunReportingFailures(FormsRuntime& runtime, const std::function<int()>& step);

}  // namespace rallix
