// rallix: the full game. Starts on the splash.

#include <iostream>

#include "core/errors.h"
#include "frontend/full_game.h"

int main() {
  try {
    rallix::FormsRuntime runtime;
    rallix::FullGame game(runtime);
    return rallix::RunProgram(runtime, game.StartupForm());
  } catch (const rallix::RuntimeError& error) {
    // The runtime itself could not start (no display, say): nothing to give back.
    std::cerr << "rallix: run-time error " << error.Number() << " in " << error.Source() << ": "
              << error.Description() << "\n";
    return 1;
  }
}
