#pragma once
// Translates SDL's keyboard scancodes into the key codes the game reads (input/key_codes.h).
// Takes and returns plain integers so that callers need no SDL header.

#include <cstdint>

namespace rallix {

// The device-input key code for an SDL scancode, or 0 when the key has none (including any
// number that is not an SDL scancode at all).
std::uint8_t KeyCodeFromScancode(int sdlScancode);

}  // namespace rallix
