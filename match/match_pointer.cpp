#include "match/match_pointer.h"

namespace rallix {

void MatchPointer::Hide(PointerMotion motion) {
  if (hidden_) {
    return;
  }
  relative_ = motion == PointerMotion::Relative;
  if (relative_) {
    devices_.SetRelativeMouse(true);
  }
  devices_.ShowCursor(false);
  hidden_ = true;
}

void MatchPointer::Restore() {
  if (!hidden_) {
    return;
  }
  devices_.ShowCursor(true);
  if (relative_) {
    devices_.SetRelativeMouse(false);
    relative_ = false;
  }
  hidden_ = false;
}

}  // namespace rallix
