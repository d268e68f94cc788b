#pragma once
// Puts input into the runtime's event queue the way a player's devices would:
// tests and tools drive the real event path with these.

#include <cstdint>
#include <string>

namespace rallix {

void InjectKey(std::uint8_t keyCode, bool down);
void InjectKeyTap(std::uint8_t keyCode);  // down, then up
void InjectMouseMotion(int dx, int dy);
// Left button down and up at a point of the window's client area.
void InjectClick(int x, int y);
// The window manager's close button.
void InjectQuit();
// Text as the system's text input delivers it (at most 31 bytes of UTF-8).
void InjectText(const std::string& utf8);
// Puts the text on the clipboard, then presses and releases Ctrl+V.
void InjectPaste(const std::string& clipboard);
// Whether the runtime has the system's text input running.
bool TextInputRunning();

}  // namespace rallix
