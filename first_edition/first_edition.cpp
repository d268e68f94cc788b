#include "first_edition/first_edition.h"

namespace rallix {

FirstEdition::FirstEdition(FormsRuntime& runtime)
    : menu(runtime, wait), wait(runtime, match), match(runtime, menu) {}

}  // namespace rallix
