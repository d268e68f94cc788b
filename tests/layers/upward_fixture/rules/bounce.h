#pragma once
// Deliberately wrong: the include check must refuse both lines below.

#include <SDL.h>

#include "match/match_form.h"
