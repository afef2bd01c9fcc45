// A small proportional bitmap font for the labels drawn into the pictures:
// capitals and digits 7 pixels high, lower case with two rows of descent.
#pragma once

#include <string>
#include <vector>

inline constexpr int kFontAscent = 7;
inline constexpr int kFontHeight = 9;

// The glyph of a character, top row first, '#' for a set pixel; all rows of
// one glyph are equally long and there are at most kFontHeight of them. A
// character without a glyph comes back as a blank as wide as a space.
std::vector<std::string> GlyphRows(char c);
