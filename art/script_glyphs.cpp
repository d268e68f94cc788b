#include "art/script_glyphs.h"

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>

namespace rallix::art {

namespace {

using Strokes = std::vector<StrokePath>;

Glyph CapitalY() {
  return {7.6F, false,
          Strokes{StrokePath({0.2F, 8.6F})
                      .QuadTo({0.9F, 10.4F}, {2.0F, 9.8F})
                      .QuadTo({3.0F, 9.0F}, {3.4F, 6.8F})
                      .QuadTo({3.8F, 4.9F}, {5.2F, 4.9F}),
                  StrokePath({9.0F, 10.0F})
                      .QuadTo({6.6F, 7.0F}, {5.2F, 4.9F})
                      .LineTo({3.9F, 0.9F})
                      .QuadTo({3.5F, -0.5F}, {2.2F, -0.1F})}};
}

Glyph CapitalW() {
  return {10.8F, false,
          Strokes{StrokePath({-0.4F, 8.8F})
                      .QuadTo({0.6F, 10.6F}, {1.4F, 9.2F})
                      .QuadTo({1.8F, 4.0F}, {2.6F, 0.0F})
                      .LineTo({5.4F, 7.6F})
                      .LineTo({7.4F, 0.0F})
                      .QuadTo({9.6F, 6.0F}, {11.0F, 10.0F})}};
}

Glyph CapitalL() {
  return {7.4F, false,
          Strokes{StrokePath({5.6F, 8.8F})
                      .QuadTo({5.4F, 10.4F}, {3.9F, 9.9F})
                      .QuadTo({2.3F, 9.2F}, {1.8F, 5.0F})
                      .QuadTo({1.4F, 1.0F}, {0.2F, 0.4F})
                      .QuadTo({-0.4F, 0.1F}, {0.4F, -0.1F})
                      .QuadTo({2.0F, -0.4F}, {3.6F, 0.2F})
                      .QuadTo({5.4F, 0.8F}, {7.0F, 0.0F})}};
}

Glyph SmallO() {
  return {6.0F, false,
          Strokes{StrokePath::Arc({2.6F, 2.75F}, 2.4F, 2.75F, 80.0F, 440.0F),
                  StrokePath({3.1F, 5.5F}).QuadTo({4.6F, 5.0F}, {6.0F, 5.3F})}};
}

Glyph SmallU() {
  return {
      6.2F, false,
      Strokes{StrokePath({0.7F, 5.5F})
                  .LineTo({0.4F, 1.8F})
                  .QuadTo({0.2F, -0.1F}, {2.0F, 0.0F})
                  .QuadTo({4.2F, 0.3F}, {4.6F, 3.0F}),
              StrokePath({4.8F, 5.5F}).LineTo({4.5F, 0.9F}).QuadTo({4.5F, 0.0F}, {5.7F, 0.3F})}};
}

Glyph SmallI() {
  return {2.8F, false,
          Strokes{StrokePath({0.6F, 5.5F}).LineTo({0.3F, 0.9F}).QuadTo({0.3F, 0.0F}, {1.5F, 0.3F}),
                  StrokePath::Dot({0.9F, 7.6F})}};
}

Glyph SmallN() {
  return {6.0F, false,
          Strokes{StrokePath({0.6F, 5.5F}).LineTo({0.1F, 0.0F}),
                  StrokePath({0.4F, 3.4F})
                      .QuadTo({1.4F, 5.6F}, {2.9F, 5.5F})
                      .QuadTo({4.4F, 5.4F}, {4.2F, 3.2F})
                      .LineTo({4.0F, 0.9F})
                      .QuadTo({4.0F, 0.0F}, {5.2F, 0.3F})}};
}

Glyph SmallS() {
  return {4.8F, false,
          Strokes{StrokePath({3.8F, 4.9F})
                      .QuadTo({2.8F, 5.9F}, {1.6F, 5.3F})
                      .QuadTo({0.4F, 4.5F}, {1.5F, 3.3F})
                      .LineTo({2.8F, 2.2F})
                      .QuadTo({4.0F, 1.0F}, {2.7F, 0.2F})
                      .QuadTo({1.2F, -0.4F}, {0.1F, 0.9F})}};
}

Glyph SmallE() {
  return {5.2F, false,
          Strokes{StrokePath({0.4F, 2.6F})
                      .QuadTo({2.4F, 2.6F}, {3.6F, 3.3F})
                      .QuadTo({4.6F, 5.5F}, {2.5F, 5.5F})
                      .QuadTo({0.2F, 5.4F}, {0.2F, 2.5F})
                      .QuadTo({0.3F, 0.0F}, {2.4F, 0.0F})
                      .QuadTo({3.6F, 0.0F}, {4.4F, 1.0F})}};
}

Glyph Exclamation() {
  return {2.8F, false,
          Strokes{StrokePath({1.6F, 10.0F}).LineTo({0.8F, 3.0F}), StrokePath::Dot({0.5F, 0.3F})}};
}

Glyph Question() {
  return {5.6F, false,
          Strokes{StrokePath({0.5F, 7.8F})
                      .QuadTo({0.9F, 10.0F}, {2.9F, 10.0F})
                      .QuadTo({5.1F, 10.0F}, {4.9F, 8.0F})
                      .QuadTo({4.7F, 6.4F}, {3.1F, 5.5F})
                      .LineTo({2.7F, 3.0F}),
                  StrokePath::Dot({2.5F, 0.3F})}};
}

Glyph DownArrow() {
  return {7.0F, true,
          Strokes{StrokePath({3.2F, 10.0F}).LineTo({3.2F, 0.6F}),
                  StrokePath({0.2F, 3.6F}).LineTo({3.2F, 0.0F}).LineTo({6.2F, 3.6F})}};
}

Glyph Space() {
  return {3.0F, false, {}};
}

const std::map<char32_t, Glyph>& GlyphTable() {
  static const std::map<char32_t, Glyph> table{
      {U'Y', CapitalY()}, {U'W', CapitalW()},    {U'L', CapitalL()}, {U'o', SmallO()},
      {U'u', SmallU()},   {U'i', SmallI()},      {U'n', SmallN()},   {U's', SmallS()},
      {U'e', SmallE()},   {U'!', Exclamation()}, {U'?', Question()}, {U'\u2193', DownArrow()},
      {U' ', Space()},
  };
  return table;
}

}  // namespace

const Glyph& GlyphFor(char32_t character) {
  const auto& table = GlyphTable();
  const auto found = table.find(character);
  if (found == table.end()) {
    throw std::out_of_range("the banner script has no letter for character code " +
                            std::to_string(static_cast<std::uint32_t>(character)));
  }
  return found->second;
}

}  // namespace rallix::art
