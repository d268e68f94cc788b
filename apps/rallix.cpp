// rallix: the full game. Starts on the splash; `rallix --help` for the options.

#include "apps/run_game.h"
#include "frontend/full_game.h"

int main(int argc, char** argv) {
  return rallix::RunGame<rallix::FullGame>("rallix", argc, argv);
}
