// The picture of the season: an inline SVG that scales to the page's width.
#pragma once

#include <string>
#include <vector>

// A player's line: his name as stored and his total after each scored period.
struct ChartLine {
    std::string Name;
    std::vector<long> Totals;
};

// The colour of the line of the player in that place (up to ten).
const char* LineColour(size_t place);
// One line a player through his totals, his name at its end; periods are
// the numbers under the points. The leader's line is drawn last, on top.
void SeasonSvg(const std::vector<std::string>& periods, const std::vector<ChartLine>& lines);
