#pragma once
// Start-up work that needs no window: drawing the artwork and finding the
// fonts. Done on a second thread while SDL opens the window, the first screen
// finds both ready instead of doing them in turn before its first frame.

#include <thread>

namespace rallix {

class StartUpWarmUp {
 public:
  StartUpWarmUp();
  // Waits for the work to finish; it takes a fraction of the window's start.
  ~StartUpWarmUp() = default;

 private:
  std::jthread worker_;
};

}  // namespace rallix
