#include "platform/devices/key_code_table.h"

#include <SDL.h>

#include <array>
#include <cstddef>

#include "core/key_codes.h"

namespace rallix {
namespace {

struct ScancodeToKeyCode {
  SDL_Scancode scancode;
  std::uint8_t keyCode;
};

// Every key a PC keyboard can send, by SDL's name for it. SDL names positions on the USB
// keyboard, so each key keeps its code whatever the layout printed on it.
constexpr ScancodeToKeyCode kKeys[] = {
    // Letters.
    {SDL_SCANCODE_A, KeyCode::A},
    {SDL_SCANCODE_B, KeyCode::B},
    {SDL_SCANCODE_C, KeyCode::C},
    {SDL_SCANCODE_D, KeyCode::D},
    {SDL_SCANCODE_E, KeyCode::E},
    {SDL_SCANCODE_F, KeyCode::F},
    {SDL_SCANCODE_G, KeyCode::G},
    {SDL_SCANCODE_H, KeyCode::H},
    {SDL_SCANCODE_I, KeyCode::I},
    {SDL_SCANCODE_J, KeyCode::J},
    {SDL_SCANCODE_K, KeyCode::K},
    {SDL_SCANCODE_L, KeyCode::L},
    {SDL_SCANCODE_M, KeyCode::M},
    {SDL_SCANCODE_N, KeyCode::N},
    {SDL_SCANCODE_O, KeyCode::O},
    {SDL_SCANCODE_P, KeyCode::P},
    {SDL_SCANCODE_Q, KeyCode::Q},
    {SDL_SCANCODE_R, KeyCode::R},
    {SDL_SCANCODE_S, KeyCode::S},
    {SDL_SCANCODE_T, KeyCode::T},
    {SDL_SCANCODE_U, KeyCode::U},
    {SDL_SCANCODE_V, KeyCode::V},
    {SDL_SCANCODE_W, KeyCode::W},
    {SDL_SCANCODE_X, KeyCode::X},
    {SDL_SCANCODE_Y, KeyCode::Y},
    {SDL_SCANCODE_Z, KeyCode::Z},

    // Digit row.
    {SDL_SCANCODE_1, KeyCode::Digit1},
    {SDL_SCANCODE_2, KeyCode::Digit2},
    {SDL_SCANCODE_3, KeyCode::Digit3},
    {SDL_SCANCODE_4, KeyCode::Digit4},
    {SDL_SCANCODE_5, KeyCode::Digit5},
    {SDL_SCANCODE_6, KeyCode::Digit6},
    {SDL_SCANCODE_7, KeyCode::Digit7},
    {SDL_SCANCODE_8, KeyCode::Digit8},
    {SDL_SCANCODE_9, KeyCode::Digit9},
    {SDL_SCANCODE_0, KeyCode::Digit0},

    // Editing keys and punctuation of the main block.
    {SDL_SCANCODE_RETURN, KeyCode::Enter},
    {SDL_SCANCODE_ESCAPE, KeyCode::Escape},
    {SDL_SCANCODE_BACKSPACE, KeyCode::Backspace},
    {SDL_SCANCODE_TAB, KeyCode::Tab},
    {SDL_SCANCODE_SPACE, KeyCode::Space},
    {SDL_SCANCODE_MINUS, KeyCode::Minus},
    {SDL_SCANCODE_EQUALS, KeyCode::Equals},
    {SDL_SCANCODE_LEFTBRACKET, KeyCode::LeftBracket},
    {SDL_SCANCODE_RIGHTBRACKET, KeyCode::RightBracket},
    {SDL_SCANCODE_BACKSLASH, KeyCode::Backslash},
    // Deliberately the same code as Backslash: the key left of Enter on ISO keyboards sends
    // the very scan code the US backslash key sends; SDL merely names it apart.
    {SDL_SCANCODE_NONUSHASH, KeyCode::Backslash},
    {SDL_SCANCODE_SEMICOLON, KeyCode::Semicolon},
    {SDL_SCANCODE_APOSTROPHE, KeyCode::Apostrophe},
    {SDL_SCANCODE_GRAVE, KeyCode::Grave},
    {SDL_SCANCODE_COMMA, KeyCode::Comma},
    {SDL_SCANCODE_PERIOD, KeyCode::Period},
    {SDL_SCANCODE_SLASH, KeyCode::Slash},
    {SDL_SCANCODE_NONUSBACKSLASH, KeyCode::NonUsBackslash},
    {SDL_SCANCODE_CAPSLOCK, KeyCode::CapsLock},

    // Function keys.
    {SDL_SCANCODE_F1, KeyCode::F1},
    {SDL_SCANCODE_F2, KeyCode::F2},
    {SDL_SCANCODE_F3, KeyCode::F3},
    {SDL_SCANCODE_F4, KeyCode::F4},
    {SDL_SCANCODE_F5, KeyCode::F5},
    {SDL_SCANCODE_F6, KeyCode::F6},
    {SDL_SCANCODE_F7, KeyCode::F7},
    {SDL_SCANCODE_F8, KeyCode::F8},
    {SDL_SCANCODE_F9, KeyCode::F9},
    {SDL_SCANCODE_F10, KeyCode::F10},
    {SDL_SCANCODE_F11, KeyCode::F11},
    {SDL_SCANCODE_F12, KeyCode::F12},
    {SDL_SCANCODE_F13, KeyCode::F13},
    {SDL_SCANCODE_F14, KeyCode::F14},
    {SDL_SCANCODE_F15, KeyCode::F15},
    {SDL_SCANCODE_F16, KeyCode::F16},
    {SDL_SCANCODE_F17, KeyCode::F17},
    {SDL_SCANCODE_F18, KeyCode::F18},
    {SDL_SCANCODE_F19, KeyCode::F19},
    {SDL_SCANCODE_F20, KeyCode::F20},
    {SDL_SCANCODE_F21, KeyCode::F21},
    {SDL_SCANCODE_F22, KeyCode::F22},
    {SDL_SCANCODE_F23, KeyCode::F23},
    {SDL_SCANCODE_F24, KeyCode::F24},

    // System keys above the navigation block.
    {SDL_SCANCODE_PRINTSCREEN, KeyCode::PrintScreen},
    {SDL_SCANCODE_SYSREQ, KeyCode::SysReq},
    {SDL_SCANCODE_SCROLLLOCK, KeyCode::ScrollLock},
    {SDL_SCANCODE_PAUSE, KeyCode::Pause},

    // Navigation block and arrows.
    {SDL_SCANCODE_INSERT, KeyCode::Insert},
    {SDL_SCANCODE_HOME, KeyCode::Home},
    {SDL_SCANCODE_PAGEUP, KeyCode::PageUp},
    {SDL_SCANCODE_DELETE, KeyCode::Delete},
    {SDL_SCANCODE_END, KeyCode::End},
    {SDL_SCANCODE_PAGEDOWN, KeyCode::PageDown},
    {SDL_SCANCODE_RIGHT, KeyCode::RightArrow},
    {SDL_SCANCODE_LEFT, KeyCode::LeftArrow},
    {SDL_SCANCODE_DOWN, KeyCode::DownArrow},
    {SDL_SCANCODE_UP, KeyCode::UpArrow},

    // Numeric keypad.
    {SDL_SCANCODE_NUMLOCKCLEAR, KeyCode::NumLock},
    {SDL_SCANCODE_KP_DIVIDE, KeyCode::KeypadDivide},
    {SDL_SCANCODE_KP_MULTIPLY, KeyCode::KeypadMultiply},
    {SDL_SCANCODE_KP_MINUS, KeyCode::KeypadMinus},
    {SDL_SCANCODE_KP_PLUS, KeyCode::KeypadPlus},
    {SDL_SCANCODE_KP_ENTER, KeyCode::KeypadEnter},
    {SDL_SCANCODE_KP_1, KeyCode::Keypad1},
    {SDL_SCANCODE_KP_2, KeyCode::Keypad2},
    {SDL_SCANCODE_KP_3, KeyCode::Keypad3},
    {SDL_SCANCODE_KP_4, KeyCode::Keypad4},
    {SDL_SCANCODE_KP_5, KeyCode::Keypad5},
    {SDL_SCANCODE_KP_6, KeyCode::Keypad6},
    {SDL_SCANCODE_KP_7, KeyCode::Keypad7},
    {SDL_SCANCODE_KP_8, KeyCode::Keypad8},
    {SDL_SCANCODE_KP_9, KeyCode::Keypad9},
    {SDL_SCANCODE_KP_0, KeyCode::Keypad0},
    {SDL_SCANCODE_KP_PERIOD, KeyCode::KeypadPeriod},
    {SDL_SCANCODE_KP_EQUALS, KeyCode::KeypadEquals},
    {SDL_SCANCODE_KP_COMMA, KeyCode::KeypadComma},

    // Modifiers, both sides.
    {SDL_SCANCODE_LCTRL, KeyCode::LeftCtrl},
    {SDL_SCANCODE_LSHIFT, KeyCode::LeftShift},
    {SDL_SCANCODE_LALT, KeyCode::LeftAlt},
    {SDL_SCANCODE_LGUI, KeyCode::LeftGui},
    {SDL_SCANCODE_RCTRL, KeyCode::RightCtrl},
    {SDL_SCANCODE_RSHIFT, KeyCode::RightShift},
    {SDL_SCANCODE_RALT, KeyCode::RightAlt},
    {SDL_SCANCODE_RGUI, KeyCode::RightGui},
    {SDL_SCANCODE_APPLICATION, KeyCode::Menu},

    // Japanese, Brazilian and Korean keys.
    {SDL_SCANCODE_INTERNATIONAL1, KeyCode::Ro},
    {SDL_SCANCODE_INTERNATIONAL2, KeyCode::Katakana},
    {SDL_SCANCODE_INTERNATIONAL3, KeyCode::Yen},
    {SDL_SCANCODE_INTERNATIONAL4, KeyCode::Henkan},
    {SDL_SCANCODE_INTERNATIONAL5, KeyCode::Muhenkan},
    {SDL_SCANCODE_LANG1, KeyCode::Hangul},
    {SDL_SCANCODE_LANG2, KeyCode::Hanja},

    // Power and media keys.
    {SDL_SCANCODE_POWER, KeyCode::Power},
    {SDL_SCANCODE_SLEEP, KeyCode::Sleep},
    {SDL_SCANCODE_MUTE, KeyCode::Mute},
    // Deliberately the same code as MUTE: SDL has two names for the one mute key and which
    // one arrives depends on the video driver.
    {SDL_SCANCODE_AUDIOMUTE, KeyCode::Mute},
    {SDL_SCANCODE_VOLUMEUP, KeyCode::VolumeUp},
    {SDL_SCANCODE_VOLUMEDOWN, KeyCode::VolumeDown},
    {SDL_SCANCODE_AUDIONEXT, KeyCode::NextTrack},
    {SDL_SCANCODE_AUDIOPREV, KeyCode::PreviousTrack},
    {SDL_SCANCODE_AUDIOSTOP, KeyCode::MediaStop},
    {SDL_SCANCODE_AUDIOPLAY, KeyCode::PlayPause},
    {SDL_SCANCODE_MEDIASELECT, KeyCode::MediaSelect},
    {SDL_SCANCODE_MAIL, KeyCode::Mail},
    {SDL_SCANCODE_CALCULATOR, KeyCode::Calculator},
    {SDL_SCANCODE_COMPUTER, KeyCode::MyComputer},
    {SDL_SCANCODE_AC_SEARCH, KeyCode::WebSearch},
    {SDL_SCANCODE_AC_HOME, KeyCode::WebHome},
    {SDL_SCANCODE_AC_BACK, KeyCode::WebBack},
    {SDL_SCANCODE_AC_FORWARD, KeyCode::WebForward},
    {SDL_SCANCODE_AC_STOP, KeyCode::WebStop},
    {SDL_SCANCODE_AC_REFRESH, KeyCode::WebRefresh},
    {SDL_SCANCODE_AC_BOOKMARKS, KeyCode::WebFavourites},
};

using KeyCodeTable = std::array<std::uint8_t, SDL_NUM_SCANCODES>;

constexpr KeyCodeTable BuildKeyCodeTable() {
  KeyCodeTable table{};
  for (const ScancodeToKeyCode& key : kKeys) {
    table[static_cast<std::size_t>(key.scancode)] = key.keyCode;
  }
  return table;
}

// A scancode listed twice would silently lose its first code; a zero code would hide a key.
constexpr bool EachScancodeListedOnceWithACode() {
  std::array<bool, SDL_NUM_SCANCODES> seen{};
  for (const ScancodeToKeyCode& key : kKeys) {
    const auto index = static_cast<std::size_t>(key.scancode);
    if (index >= seen.size() || seen[index] || key.keyCode == KeyCode::None) {
      return false;
    }
    seen[index] = true;
  }
  return true;
}
static_assert(EachScancodeListedOnceWithACode());

constexpr KeyCodeTable kKeyCodeTable = BuildKeyCodeTable();

}  // namespace

std::uint8_t KeyCodeFromScancode(int sdlScancode) {
  if (sdlScancode < 0 || sdlScancode >= static_cast<int>(kKeyCodeTable.size())) {
    return KeyCode::None;
  }
  return kKeyCodeTable[static_cast<std::size_t>(sdlScancode)];
}

}  // namespace rallix
