#pragma once
// A failure found before the window opens, told in a message box of its own: a
// game started from the desktop's menu has no terminal to show stderr in.

#include <string>

namespace rallix {

// Shows `text` in an error box titled "Rallix" and waits for the player to close
// it. Needs no window and no SDL started. Shows nothing under the dummy video
// driver (nobody could see it) or where no display can be reached: the caller
// writes the message on stderr as well.
void ShowMessageWithoutWindow(const std::string& text);

}  // namespace rallix
