#include "apps/start_up_warm_up.h"

#include "art/catalogue.h"
#include "platform/video/font_resolver.h"

namespace rallix {

void WarmUpForStartUp() {
  // Each picture is made once, whichever thread asks first; the other waits
  // for it rather than drawing it again.
  for (const art::NamedPicture& named : art::Catalogue()) {
    named.picture();
  }
  try {
    ResolveTheGamesFonts();
  } catch (...) {
    // A font that cannot be found is reported by the screen that asks for
    // it, where a player sees it; here it only goes unwarmed.
  }
}

}  // namespace rallix
