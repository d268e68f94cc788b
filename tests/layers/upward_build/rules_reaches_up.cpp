// One more source for the rules library, added only by the layer test's own
// configure of the game: the build must refuse it, because the rules sit below
// the frontend.

// Its own layer comes first, so the one header not found is the frontend's.
#include "rules/rally_rules.h"

#include "frontend/full_game.h"
