#include "geometry/stroke_font.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace pravelo {
namespace {

// clang-format off
struct ListedGlyph { unsigned char c; const char* entry; };
constexpr ListedGlyph kListed[] = {
  {'.', "XXXXXX+00+00+00+00ZZZZZZ"},
  {'-', "XXXXXX+00+35+40+35ZZZZZZ"},
  {'+', "XXXXXX+00+35+40+35XXXXXX+20+55+20+15ZZZZZZ"},
  {'/', "XXXXXX+00+00+40+80ZZZZZZ"},
  {'1', "XXXXXX+00+50+25+80+25+00ZZZZZZ"},
  {'4', "XXXXXX+30+00+30+80+00+30+00+20+40+20ZZZZZZ"},
  {'A', "XXXXXX+00+00+25+80+50+00XXXXXX+10+30+40+30ZZZZZZ"},
  {'E', "XXXXXX+35+00+00+00+00+80+35+80XXXXXX+00+40+35+40ZZZZZZ"},
  {'H', "XXXXXX+00+00+00+80XXXXXX+40+00+40+80XXXXXX+00+40+40+40ZZZZZZ"},
  {'I', "XXXXXX+00+00+00+80ZZZZZZ"},
  {'L', "XXXXXX+00+80+00+00+35+00ZZZZZZ"},
  {'N', "XXXXXX+00+00+00+80+40+00+40+80ZZZZZZ"},
  {'T', "XXXXXX+20+00+20+80XXXXXX+00+80+40+80ZZZZZZ"},
  {'V', "XXXXXX+00+80+25+00+50+80ZZZZZZ"},
  {'Z', "XXXXXX+00+80+40+80+00+00+40+00ZZZZZZ"},
  {'i', "XXXXXX+00+00+00+45XXXXXX+00+60+00+60ZZZZZZ"},
  {'v', "XXXXXX+00+45+20+00+40+45ZZZZZZ"},
  {'x', "XXXXXX+00+45+40+00XXXXXX+00+00+40+45ZZZZZZ"},
  {'z', "XXXXXX+00+45+30+45+00+00+30+00ZZZZZZ"},
  {' ', "ZZZZZZ"},
};
// clang-format on

TEST(StrokeFont, ListedGlyphsAreExact) {
  for (const ListedGlyph& g : kListed) EXPECT_EQ(glyphEntry(g.c), g.entry) << g.c;
}

std::string supportedCharacters() {
  std::string s = " \"!#$%&()*+,-./:<=>?\\_~@0123456789";
  for (char c = 'A'; c <= 'Z'; ++c) s += c;
  for (char c = 'a'; c <= 'z'; ++c) s += c;
  for (const int code : {128, 176, 181, 196, 214, 220, 223, 228, 246, 252}) {
    s += static_cast<char>(code);
  }
  return s;
}

// Every glyph is drawn in strokes of at least two vertices (a dot repeats its vertex) on the
// same grid, so that every character fits the same line height.
TEST(StrokeFont, EveryGlyphIsWellFormedWithinTheGrid) {
  const std::string_view dot = glyphEntry('.');
  int glyphs = 0;
  for (const char ch : supportedCharacters()) {
    const auto c = static_cast<unsigned char>(ch);
    const std::string_view entry = glyphEntry(c);
    ++glyphs;
    ASSERT_EQ(entry.size() % 6, 0u) << int{c};
    EXPECT_TRUE(c == '.' || entry != dot) << "no own glyph for " << int{c};
    int strokeLength = 0;
    int i = 0;
    for (;; ++i) {
      const GlyphCell cell = glyphCell(c, i);
      if (cell.kind != GlyphCellKind::kVertex) {
        if (i > 0) {
          EXPECT_GE(strokeLength, 2) << int{c} << " cell " << i;
        }
        if (cell.kind == GlyphCellKind::kEnd) break;
        strokeLength = 0;
        continue;
      }
      EXPECT_FALSE(i == 0) << int{c} << " starts without a pen-up";
      ++strokeLength;
      EXPECT_GE(cell.x, 0) << int{c};
      EXPECT_LE(cell.x, 50) << int{c};
      EXPECT_GE(cell.y, -20) << int{c};
      EXPECT_LE(cell.y, 85) << int{c};
    }
    EXPECT_EQ(static_cast<std::size_t>(i + 1) * 6, entry.size()) << int{c};
  }
  EXPECT_EQ(glyphs, 96);
}

TEST(StrokeFont, CharactersOutsideTheFontUseTheDot) {
  for (const unsigned char c : {'[', '\'', ';', '{', '^', '`', '|', '\0', '\xe9', '\xff'}) {
    EXPECT_EQ(glyphEntry(c), glyphEntry('.')) << int{c};
  }
}

TEST(StrokeFont, CellsDecodeSignedVertices) {
  EXPECT_EQ(glyphCell('A', 0).kind, GlyphCellKind::kPenUp);
  const GlyphCell top = glyphCell('A', 2);
  EXPECT_EQ(top.kind, GlyphCellKind::kVertex);
  EXPECT_EQ(top.x, 25);
  EXPECT_EQ(top.y, 80);
  const GlyphCell descender = glyphCell('p', 2);
  EXPECT_EQ(descender.y, -20);
  EXPECT_EQ(glyphCell('A', 8).kind, GlyphCellKind::kEnd);
  EXPECT_EQ(glyphCell('A', 100).kind, GlyphCellKind::kEnd);
}

TEST(StrokeFont, WidthIsTheLargestX) {
  EXPECT_EQ(glyphWidth(' '), 1);
  EXPECT_EQ(glyphWidth('I'), 0);
  EXPECT_EQ(glyphWidth('1'), 25);
  EXPECT_EQ(glyphWidth('A'), 50);
  EXPECT_EQ(glyphWidth('E'), 35);
  EXPECT_EQ(glyphWidth('z'), 30);
  EXPECT_EQ(glyphWidth('['), 0);
}

}  // namespace
}  // namespace pravelo
