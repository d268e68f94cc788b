// The key a player presses must reach the game as that key's PC scan code. SDL scancodes are
// the USB keyboard usage numbers, written out here as numbers because tests take no SDL
// header; the expected codes are the scan codes themselves, not the game's constants, so a
// wrong constant is caught too.

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/devices/key_code_table.h"

namespace rallix {
namespace {

struct KnownKey {
  const char* name;
  int sdlScancode;
  int keyCode;
};

const std::vector<KnownKey> kKnownKeys = {
    // The keys the game listens for.
    {"Escape", 41, 1},
    {"Enter", 40, 28},
    {"Pause", 72, 197},
    {"LeftArrow", 80, 203},
    {"RightArrow", 79, 205},
    {"UpArrow", 82, 200},
    {"DownArrow", 81, 208},
    {"Space", 44, 57},
    // Letters and digits.
    {"A", 4, 30},
    {"M", 16, 50},
    {"P", 19, 25},
    {"Q", 20, 16},
    {"Z", 29, 44},
    {"1", 30, 2},
    {"9", 38, 10},
    {"0", 39, 11},
    // Punctuation and editing keys.
    {"Backspace", 42, 14},
    {"Tab", 43, 15},
    {"Minus", 45, 12},
    {"Equals", 46, 13},
    {"LeftBracket", 47, 26},
    {"RightBracket", 48, 27},
    {"Backslash", 49, 43},
    {"Semicolon", 51, 39},
    {"Apostrophe", 52, 40},
    {"Grave", 53, 41},
    {"Comma", 54, 51},
    {"Period", 55, 52},
    {"Slash", 56, 53},
    {"CapsLock", 57, 58},
    // Function keys.
    {"F1", 58, 59},
    {"F10", 67, 68},
    {"F11", 68, 87},
    {"F12", 69, 88},
    {"F13", 104, 100},
    {"F15", 106, 102},
    // System keys and the navigation block.
    {"PrintScreen", 70, 183},
    {"ScrollLock", 71, 70},
    {"Insert", 73, 210},
    {"Home", 74, 199},
    {"PageUp", 75, 201},
    {"Delete", 76, 211},
    {"End", 77, 207},
    {"PageDown", 78, 209},
    // Numeric keypad.
    {"NumLock", 83, 69},
    {"KeypadDivide", 84, 181},
    {"KeypadMultiply", 85, 55},
    {"KeypadMinus", 86, 74},
    {"KeypadPlus", 87, 78},
    {"KeypadEnter", 88, 156},
    {"Keypad1", 89, 79},
    {"Keypad5", 93, 76},
    {"Keypad9", 97, 73},
    {"Keypad0", 98, 82},
    {"KeypadPeriod", 99, 83},
    // Modifiers, both sides, and the menu key.
    {"LeftCtrl", 224, 29},
    {"LeftShift", 225, 42},
    {"LeftAlt", 226, 56},
    {"LeftGui", 227, 219},
    {"RightCtrl", 228, 157},
    {"RightShift", 229, 54},
    {"RightAlt", 230, 184},
    {"RightGui", 231, 220},
    {"Menu", 101, 221},
    // International keys.
    {"NonUsBackslash", 100, 86},
    {"NonUsHash", 50, 43},
    {"Ro", 135, 115},
    {"KatakanaHiragana", 136, 112},
    {"Yen", 137, 125},
    {"Henkan", 138, 121},
    {"Muhenkan", 139, 123},
};

TEST(KeyCodeFromScancode, GivesEachKeyItsPcScanCode) {
  for (const KnownKey& key : kKnownKeys) {
    EXPECT_EQ(KeyCodeFromScancode(key.sdlScancode), key.keyCode) << key.name;
  }
}

TEST(KeyCodeFromScancode, CoversEveryKeyOfAFullSizeKeyboard) {
  // Letters through the keypad and the ISO and menu keys (4-101), then the eight modifiers.
  std::vector<int> scancodes;
  for (int scancode = 4; scancode <= 101; ++scancode) {
    scancodes.push_back(scancode);
  }
  for (int scancode = 224; scancode <= 231; ++scancode) {
    scancodes.push_back(scancode);
  }
  for (const int scancode : scancodes) {
    EXPECT_NE(KeyCodeFromScancode(scancode), 0) << "SDL scancode " << scancode;
  }
}

TEST(KeyCodeFromScancode, GivesNoCodeToTwoKeysExceptTheKnownTwins) {
  // Two SDL names for one physical scan code: the ISO key left of Enter sends the US
  // backslash's code, and SDL reports the mute key under either of two names.
  const std::set<std::set<int>> twins = {{49, 50}, {127, 262}};
  std::map<int, std::set<int>> scancodesByCode;
  for (int scancode = 0; scancode < 512; ++scancode) {
    if (const int code = KeyCodeFromScancode(scancode); code != 0) {
      scancodesByCode[code].insert(scancode);
    }
  }
  for (const auto& [code, scancodes] : scancodesByCode) {
    if (scancodes.size() > 1) {
      EXPECT_TRUE(twins.contains(scancodes))
          << "code " << code << " is given to " << scancodes.size() << " scancodes";
    }
  }
  EXPECT_GE(scancodesByCode.size(), 120u) << "the table should cover the whole keyboard";
}

TEST(KeyCodeFromScancode, NumbersThatAreNoKeyGiveZero) {
  for (const int scancode :
       {0, 1, 3, 116, 165, 511, 512, 513, 100000, INT_MAX, -1, -200, INT_MIN}) {
    EXPECT_EQ(KeyCodeFromScancode(scancode), 0) << scancode;
  }
}

}  // namespace
}  // namespace rallix
