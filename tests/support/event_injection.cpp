#include "tests/support/event_injection.h"

#include <SDL.h>

#include "core/key_codes.h"
#include "platform/detail/sdl_error.h"
#include "platform/devices/key_code_table.h"

namespace rallix {
namespace {

SDL_Scancode ScancodeFor(std::uint8_t keyCode) {
  for (int s = 0; s < SDL_NUM_SCANCODES; ++s) {
    if (KeyCodeFromScancode(s) == keyCode) {
      return static_cast<SDL_Scancode>(s);
    }
  }
  throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "InjectKey",
                     "no key has the code " + std::to_string(keyCode));
}

void Push(SDL_Event& event) {
  detail::CheckSdl(SDL_PushEvent(&event) < 0 ? -1 : 0, "InjectEvent", "cannot queue an event");
}

void PushButton(Uint32 type, int x, int y) {
  SDL_Event event{};
  event.type = type;
  event.button.button = SDL_BUTTON_LEFT;
  event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
  event.button.clicks = 1;
  event.button.x = x;
  event.button.y = y;
  Push(event);
}

void PushKey(std::uint8_t keyCode, bool down, Uint16 modifiers) {
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.scancode = ScancodeFor(keyCode);
  event.key.keysym.sym = SDL_GetKeyFromScancode(event.key.keysym.scancode);
  event.key.keysym.mod = modifiers;
  Push(event);
}

}  // namespace

void InjectKey(std::uint8_t keyCode, bool down) {
  PushKey(keyCode, down, KMOD_NONE);
}

void InjectKeyTap(std::uint8_t keyCode) {
  InjectKey(keyCode, true);
  InjectKey(keyCode, false);
}

void InjectText(const std::string& utf8) {
  SDL_Event event{};
  if (utf8.size() >= sizeof(event.text.text)) {
    throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "InjectText",
                       "more text than one event holds: " + utf8);
  }
  event.type = SDL_TEXTINPUT;
  utf8.copy(event.text.text, utf8.size());
  Push(event);
}

void InjectPaste(const std::string& clipboard) {
  detail::CheckSdl(SDL_SetClipboardText(clipboard.c_str()), "InjectPaste",
                   "cannot fill the clipboard");
  PushKey(KeyCode::V, true, KMOD_LCTRL);
  PushKey(KeyCode::V, false, KMOD_LCTRL);
}

bool TextInputRunning() {
  return SDL_IsTextInputActive() == SDL_TRUE;
}

void InjectMouseMotion(int dx, int dy) {
  SDL_Event event{};
  event.type = SDL_MOUSEMOTION;
  event.motion.xrel = dx;
  event.motion.yrel = dy;
  Push(event);
}

void InjectClick(int x, int y) {
  PushButton(SDL_MOUSEBUTTONDOWN, x, y);
  PushButton(SDL_MOUSEBUTTONUP, x, y);
}

void InjectQuit() {
  SDL_Event event{};
  event.type = SDL_QUIT;
  Push(event);
}

}  // namespace rallix
