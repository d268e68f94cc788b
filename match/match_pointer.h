#pragma once
// The mouse pointer during a match: hidden by one level of the display count
// at the end of the set-up, and given back exactly once, whichever way the
// match ends (its own timer, or the window being closed).

#include "platform/devices/sdl_devices.h"

namespace rallix {

enum class PointerMotion {
  Free,      // the pointer moves as usual, hidden
  Relative,  // held in place, reporting only motion, so it never stops at an edge
};

class MatchPointer {
 public:
  explicit MatchPointer(SdlDeviceInput& devices) : devices_(devices) {}

  void Hide(PointerMotion motion);
  // Does nothing when the pointer is not hidden by this match.
  void Restore();
  bool Hidden() const { return hidden_; }

 private:
  SdlDeviceInput& devices_;
  bool hidden_ = false;
  bool relative_ = false;
};

}  // namespace rallix
