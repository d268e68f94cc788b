#pragma once
// Start-up work that needs no window: drawing the artwork and finding the
// fonts. Done beside the main thread while SDL opens the window, the first
// screen finds both ready instead of doing them in turn before its first frame.

#include "platform/forms/side_work.h"

namespace rallix {

class StartUpWarmUp {
 public:
  StartUpWarmUp();

 private:
  SideWork work_;
};

}  // namespace rallix
