#pragma once
// Every picture the game carries, under the name a replay file and the tools
// know it by. The five balls come first, in the order the choosers show them.

#include <span>
#include <string_view>

#include "core/picture.h"

namespace rallix::art {

struct NamedPicture {
  std::string_view name;
  const Picture& (*picture)();
};

std::span<const NamedPicture> Catalogue();
// The balls a player can pick: blue plastic, green rubber, mystery, gold, special.
std::span<const NamedPicture> Balls();
// The picture of that name; null when the game has none by it.
const Picture* PictureNamed(std::string_view name);
// One of the balls drawn again at scale times its size, made once and kept;
// null for any other picture, or a scale below 2. For the screens on a HiDPI
// display; from one thread at a time.
const Picture* SharperBall(const Picture& ball, int scale);

}  // namespace rallix::art
