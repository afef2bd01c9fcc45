// A small proportional bitmap font for the labels drawn into the pictures:
// capitals, digits and lower case 7 pixels high.
#pragma once

#include <string>
#include <vector>

inline constexpr int kFontAscent = 7;

// The glyph of a character, top row first, '#' for a set pixel; all rows of
// one glyph are equally long. A character without a glyph comes back as a
// blank as wide as a space.
std::vector<std::string> GlyphRows(char c);
