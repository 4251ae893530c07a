#pragma once

#include <string_view>

namespace pravelo {

// The built-in vector font. Each glyph is a string of 6-character cells on an integer grid
// (baseline 0, capitals 80 high, x-height 45, descenders to -20, accents up to 85):
// "XXXXXX" lifts the pen and starts a new stroke, "ZZZZZZ" ends the glyph, any other cell is
// a vertex written as two signed 3-character numbers such as "+25+80".

enum class GlyphCellKind { kVertex, kPenUp, kEnd };

struct GlyphCell {
  GlyphCellKind kind = GlyphCellKind::kEnd;
  int x = 0;
  int y = 0;
};

// The entry of the glyph that draws the Windows-1252 character `c`; characters outside the
// font are drawn as ".".
std::string_view glyphEntry(unsigned char c);

// Cell `index` (from 0) of the glyph of `c`; past the end it stays at kEnd.
GlyphCell glyphCell(unsigned char c, int index);

// The largest non-negative x of the glyph's vertices (1 for the space), which sets the advance.
int glyphWidth(unsigned char c);

}  // namespace pravelo
