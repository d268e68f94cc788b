// rallix-one: the first edition. Starts on the picture menu.

#include <iostream>

#include "core/errors.h"
#include "first_edition/first_edition.h"

int main() {
  try {
    rallix::FormsRuntime runtime;
    rallix::FirstEdition game(runtime);
    return rallix::RunProgram(runtime, game.StartupForm());
  } catch (const rallix::RuntimeError& error) {
    // The runtime itself could not start (no display, say): nothing to give back.
    std::cerr << "rallix-one: run-time error " << error.Number() << " in " << error.Source() << ": "
              << error.Description() << "\n";
    return 1;
  }
}
