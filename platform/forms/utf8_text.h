#pragma once
// Whole characters of UTF-8 text: what a text box steps over and counts, so
// that moving the caret or deleting never splits a character in two.

#include <cstddef>
#include <string>
#include <string_view>

namespace rallix {

// The byte where the character after (before) the one at `at` starts; the
// text's end (start) when there is none. `at` is a character's first byte.
std::size_t NextCharacterStart(std::string_view text, std::size_t at);
std::size_t PreviousCharacterStart(std::string_view text, std::size_t at);
std::size_t CharacterCount(std::string_view text);

// The first `limit` printable characters of `text`. Control characters (line
// breaks, tabs, DEL and their 8-bit cousins) and bytes that are not well-formed
// UTF-8 are dropped: a pasted clipboard may hold anything.
std::string PrintableCharacters(std::string_view text, std::size_t limit);

}  // namespace rallix
