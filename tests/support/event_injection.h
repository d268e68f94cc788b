#pragma once
// Puts input into the runtime's event queue the way a player's devices would:
// tests and tools drive the real event path with these.

#include <cstdint>

namespace rallix {

void InjectKey(std::uint8_t keyCode, bool down);
void InjectKeyTap(std::uint8_t keyCode);  // down, then up
void InjectMouseMotion(int dx, int dy);
// Left button down and up at a point of the window's client area.
void InjectClick(int x, int y);
// The window manager's close button.
void InjectQuit();

}  // namespace rallix
