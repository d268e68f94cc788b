#pragma once
// Readable failure messages for the rally rules' plain values, and the small
// helpers the rules tests share.

#include <cstdint>
#include <ostream>
#include <utility>

#include "core/rect.h"
#include "rules/rally_rules.h"
#include "rules/single_player_rally.h"

namespace rallix {

inline void PrintTo(const Rect& r, std::ostream* os) {
  *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

inline void PrintTo(Collision c, std::ostream* os) {
  constexpr const char* names[] = {"None",     "BottomPaddle", "TopPaddle", "RightWall",
                                   "LeftWall", "TopWall",      "BottomWall"};
  *os << names[static_cast<int>(c)];
}

inline void PrintTo(PassEnd e, std::ostream* os) {
  constexpr const char* names[] = {"Continue", "Paused", "Escape", "Win", "Loss"};
  *os << names[static_cast<int>(e)];
}

// dx and dy as one comparable value.
inline std::pair<std::int32_t, std::int32_t> Steps(const BallMotion& m) {
  return {m.dx, m.dy};
}

// A pass in which only this key is held and no other device moves.
inline PassInput KeyboardOnly(std::uint8_t key) {
  PassInput input;
  input.lastKey = key;
  return input;
}

}  // namespace rallix
