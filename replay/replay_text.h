#pragma once
// A replay as a text file, one item a line, versioned on its first line:
//
//   rallix-replay 1
//   match sp                       one | sp | mp | net
//   UseJoystick #FALSE#            the settings the match read, by name, in
//   ...                            the settings file's order and value forms
//   picture ball gold-ball         each picture drawn: the game's artwork of
//   ...                            that name, or "pixels W H" and the RGB hex
//   passes 812                     the number of passes, then one line each:
//   205 0 2500 2500                LastKey MouseX Player1JoyX Player2JoyX, and
//                                  Player2LastKey Player2MouseX in a net match
//   ...
//   end win                        win loss esc | player1 player2 esc | closed
//
// Lines end with LF (a CR before it is ignored); nothing follows the end line.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "replay/replay.h"

namespace rallix {

inline constexpr std::string_view kReplayMagic = "rallix-replay";
// Version 1 holds a match on one machine; version 2 adds the match between two
// machines ("net"), whose passes also carry the top player's own keyboard and
// mouse. A match on one machine is still written as version 1, which every
// version of the game reads.
inline constexpr int kReplayVersion = 1;
inline constexpr int kTwoMachineReplayVersion = 2;

// The version a replay of a match with these settings is written in.
int ReplayVersionFor(const MatchSettings& settings);
// A picture kept as pixels is written in these, two a colour channel.
inline constexpr std::string_view kReplayHexDigits = "0123456789abcdef";

// A replay that cannot be read: the message names the file and the line.
class ReplayError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string FormatReplay(const Replay& replay);
// `source` names the text in messages, usually the file's path.
Replay ParseReplay(std::string_view text, const std::string& source);

Replay ReadReplayFile(const std::filesystem::path& file);

}  // namespace rallix
