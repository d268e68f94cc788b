#pragma once
// Key codes as the game reads them: the classic PC keyboard scan code ("set 1") of the key,
// with 128 added for the extended keys that the keyboard sends behind an E0 prefix.
// 0 means no key. Plain constants, no SDL.

#include <cstdint>

namespace rallix::KeyCode {

inline constexpr std::uint8_t None = 0;

// Main block, top row to bottom row.
inline constexpr std::uint8_t Escape = 1;
inline constexpr std::uint8_t Digit1 = 2;
inline constexpr std::uint8_t Digit2 = 3;
inline constexpr std::uint8_t Digit3 = 4;
inline constexpr std::uint8_t Digit4 = 5;
inline constexpr std::uint8_t Digit5 = 6;
inline constexpr std::uint8_t Digit6 = 7;
inline constexpr std::uint8_t Digit7 = 8;
inline constexpr std::uint8_t Digit8 = 9;
inline constexpr std::uint8_t Digit9 = 10;
inline constexpr std::uint8_t Digit0 = 11;
inline constexpr std::uint8_t Minus = 12;
inline constexpr std::uint8_t Equals = 13;
inline constexpr std::uint8_t Backspace = 14;
inline constexpr std::uint8_t Tab = 15;
inline constexpr std::uint8_t Q = 16;
inline constexpr std::uint8_t W = 17;
inline constexpr std::uint8_t E = 18;
inline constexpr std::uint8_t R = 19;
inline constexpr std::uint8_t T = 20;
inline constexpr std::uint8_t Y = 21;
inline constexpr std::uint8_t U = 22;
inline constexpr std::uint8_t I = 23;
inline constexpr std::uint8_t O = 24;
inline constexpr std::uint8_t P = 25;
inline constexpr std::uint8_t LeftBracket = 26;
inline constexpr std::uint8_t RightBracket = 27;
inline constexpr std::uint8_t Enter = 28;
inline constexpr std::uint8_t LeftCtrl = 29;
inline constexpr std::uint8_t A = 30;
inline constexpr std::uint8_t S = 31;
inline constexpr std::uint8_t D = 32;
inline constexpr std::uint8_t F = 33;
inline constexpr std::uint8_t G = 34;
inline constexpr std::uint8_t H = 35;
inline constexpr std::uint8_t J = 36;
inline constexpr std::uint8_t K = 37;
inline constexpr std::uint8_t L = 38;
inline constexpr std::uint8_t Semicolon = 39;
inline constexpr std::uint8_t Apostrophe = 40;
inline constexpr std::uint8_t Grave = 41;
inline constexpr std::uint8_t LeftShift = 42;
inline constexpr std::uint8_t Backslash = 43;
inline constexpr std::uint8_t Z = 44;
inline constexpr std::uint8_t X = 45;
inline constexpr std::uint8_t C = 46;
inline constexpr std::uint8_t V = 47;
inline constexpr std::uint8_t B = 48;
inline constexpr std::uint8_t N = 49;
inline constexpr std::uint8_t M = 50;
inline constexpr std::uint8_t Comma = 51;
inline constexpr std::uint8_t Period = 52;
inline constexpr std::uint8_t Slash = 53;
inline constexpr std::uint8_t RightShift = 54;
inline constexpr std::uint8_t KeypadMultiply = 55;
inline constexpr std::uint8_t LeftAlt = 56;
inline constexpr std::uint8_t Space = 57;
inline constexpr std::uint8_t CapsLock = 58;

// Function keys. F11 and F12 came later than F1-F10, hence their distant codes.
inline constexpr std::uint8_t F1 = 59;
inline constexpr std::uint8_t F2 = 60;
inline constexpr std::uint8_t F3 = 61;
inline constexpr std::uint8_t F4 = 62;
inline constexpr std::uint8_t F5 = 63;
inline constexpr std::uint8_t F6 = 64;
inline constexpr std::uint8_t F7 = 65;
inline constexpr std::uint8_t F8 = 66;
inline constexpr std::uint8_t F9 = 67;
inline constexpr std::uint8_t F10 = 68;
inline constexpr std::uint8_t F11 = 87;
inline constexpr std::uint8_t F12 = 88;
inline constexpr std::uint8_t F13 = 100;
inline constexpr std::uint8_t F14 = 101;
inline constexpr std::uint8_t F15 = 102;
inline constexpr std::uint8_t F16 = 103;
inline constexpr std::uint8_t F17 = 104;
inline constexpr std::uint8_t F18 = 105;
inline constexpr std::uint8_t F19 = 106;
inline constexpr std::uint8_t F20 = 107;
inline constexpr std::uint8_t F21 = 108;
inline constexpr std::uint8_t F22 = 109;
inline constexpr std::uint8_t F23 = 110;
inline constexpr std::uint8_t F24 = 118;

// Locks and the numeric keypad.
inline constexpr std::uint8_t NumLock = 69;
inline constexpr std::uint8_t ScrollLock = 70;
inline constexpr std::uint8_t Keypad7 = 71;
inline constexpr std::uint8_t Keypad8 = 72;
inline constexpr std::uint8_t Keypad9 = 73;
inline constexpr std::uint8_t KeypadMinus = 74;
inline constexpr std::uint8_t Keypad4 = 75;
inline constexpr std::uint8_t Keypad5 = 76;
inline constexpr std::uint8_t Keypad6 = 77;
inline constexpr std::uint8_t KeypadPlus = 78;
inline constexpr std::uint8_t Keypad1 = 79;
inline constexpr std::uint8_t Keypad2 = 80;
inline constexpr std::uint8_t Keypad3 = 81;
inline constexpr std::uint8_t Keypad0 = 82;
inline constexpr std::uint8_t KeypadPeriod = 83;
inline constexpr std::uint8_t SysReq = 84;  // Alt + Print Screen
inline constexpr std::uint8_t KeypadEquals = 89;
inline constexpr std::uint8_t KeypadComma = 126;  // the keypad "." of Brazilian keyboards
inline constexpr std::uint8_t KeypadEnter = 156;
inline constexpr std::uint8_t KeypadDivide = 181;

// Keys of international keyboards.
inline constexpr std::uint8_t NonUsBackslash = 86;  // beside the left Shift on ISO keyboards
inline constexpr std::uint8_t Katakana = 112;       // Japanese Katakana/Hiragana
inline constexpr std::uint8_t Ro = 115;             // Japanese "\ _", Brazilian "/ ?"
inline constexpr std::uint8_t Henkan = 121;         // Japanese convert
inline constexpr std::uint8_t Muhenkan = 123;       // Japanese no-convert
inline constexpr std::uint8_t Yen = 125;
// Korean keyboards send these as a lone byte without a release code, above 128 without E0.
inline constexpr std::uint8_t Hanja = 241;
inline constexpr std::uint8_t Hangul = 242;

// Extended (E0) keys: right-hand modifiers, the navigation block, system and media keys.
inline constexpr std::uint8_t PreviousTrack = 144;
inline constexpr std::uint8_t NextTrack = 153;
inline constexpr std::uint8_t RightCtrl = 157;
inline constexpr std::uint8_t Mute = 160;
inline constexpr std::uint8_t Calculator = 161;
inline constexpr std::uint8_t PlayPause = 162;
inline constexpr std::uint8_t MediaStop = 164;
inline constexpr std::uint8_t VolumeDown = 174;
inline constexpr std::uint8_t VolumeUp = 176;
inline constexpr std::uint8_t WebHome = 178;
inline constexpr std::uint8_t PrintScreen = 183;
inline constexpr std::uint8_t RightAlt = 184;
inline constexpr std::uint8_t Pause = 197;
inline constexpr std::uint8_t Home = 199;
inline constexpr std::uint8_t UpArrow = 200;
inline constexpr std::uint8_t PageUp = 201;
inline constexpr std::uint8_t LeftArrow = 203;
inline constexpr std::uint8_t RightArrow = 205;
inline constexpr std::uint8_t End = 207;
inline constexpr std::uint8_t DownArrow = 208;
inline constexpr std::uint8_t PageDown = 209;
inline constexpr std::uint8_t Insert = 210;
inline constexpr std::uint8_t Delete = 211;
inline constexpr std::uint8_t LeftGui = 219;
inline constexpr std::uint8_t RightGui = 220;
inline constexpr std::uint8_t Menu = 221;  // the Application key
inline constexpr std::uint8_t Power = 222;
inline constexpr std::uint8_t Sleep = 223;
inline constexpr std::uint8_t WebSearch = 229;
inline constexpr std::uint8_t WebFavourites = 230;
inline constexpr std::uint8_t WebRefresh = 231;
inline constexpr std::uint8_t WebStop = 232;
inline constexpr std::uint8_t WebForward = 233;
inline constexpr std::uint8_t WebBack = 234;
inline constexpr std::uint8_t MyComputer = 235;
inline constexpr std::uint8_t Mail = 236;
inline constexpr std::uint8_t MediaSelect = 237;

}  // namespace rallix::KeyCode
