// rallix-one: the first edition. Starts on the picture menu; `rallix-one
// --help` for the options.

#include "apps/run_game.h"
#include "first_edition/first_edition.h"

int main(int argc, char** argv) {
  return rallix::RunGame<rallix::FirstEdition>("rallix-one", argc, argv);
}
