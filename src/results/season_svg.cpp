#include "results/season_svg.h"

#include <algorithm>
#include <cstdio>

#include "cgi/output.h"
#include "core/references.h"
#include "core/text.h"
#include "html/form_pieces.h"

namespace {

// The drawing in the units of its viewBox: 400 wide keeps its text
// readable once a 390 px phone shrinks it; names stand right of the plot.
constexpr long kWidth = 400, kHeight = 260;
constexpr double kLeft = 30, kRight = 285, kTop = 12, kBottom = 226;
constexpr double kInset = 10;        // room between the axis and the first and last point
constexpr double kNameGap = 14;      // the least distance between two names
constexpr double kLowestName = 250;  // names may go below the plot, beside the period numbers
constexpr size_t kShownNameLength = 14;
constexpr char kTextSize[] = "13";   // still 12 px high when a 390 px phone shrinks the drawing

std::string Coord(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// The top of the scale: a round step (1, 2 or 5 times a power of ten) that
// divides it into at most five, times the steps needed.
long ScaleStep(long highest) {
    for (long power = 1;; power *= 10)
        for (long step : {power, 2 * power, 5 * power})
            if (step * 5 >= highest) return step;
}

struct Plot {
    size_t Periods;
    long Top, Step;
    double X(size_t period) const {
        if (Periods < 2) return (kLeft + kRight) / 2;
        return kLeft + kInset + (kRight - kLeft - 2 * kInset) * static_cast<double>(period) / (Periods - 1);
    }
    double Y(long total) const { return kBottom - (kBottom - kTop) * static_cast<double>(total) / Top; }
};

void Text(double x, double y, const std::string& anchor, const std::string& colour, const std::string& text) {
    SendLine({"<text x=\"", Coord(x), "\" y=\"", Coord(y), "\" font-size=\"", kTextSize, "\" text-anchor=\"", anchor,
              "\" dy=\".35em\" fill=\"", colour, "\">", text, "</text>"});
}

void Axes(const Plot& plot, const std::vector<std::string>& periods) {
    for (long value = 0; value <= plot.Top; value += plot.Step) {
        std::string y = Coord(plot.Y(value));
        SendLine({"<line x1=\"", Coord(kLeft), "\" y1=\"", y, "\" x2=\"", Coord(kRight), "\" y2=\"", y, "\" stroke=\"",
                  value == 0 ? "#000066" : "#CCCCCC", "\"/>"});
        Text(kLeft - 4, plot.Y(value), "end", "#000099", NumText(value));
    }
    SendLine({"<line x1=\"", Coord(kLeft), "\" y1=\"", Coord(kTop), "\" x2=\"", Coord(kLeft), "\" y2=\"",
              Coord(kBottom), "\" stroke=\"#000066\"/>"});
    for (size_t i = 0; i < periods.size(); ++i) Text(plot.X(i), kBottom + 14, "middle", "#000099", periods[i]);
    Text((kLeft + kRight) / 2, kBottom + 28, "middle", "#000099", "Period");
}

// Where each name stands: at the height of its line's end, moved apart
// where two would overlap, and back up where they would run off the bottom.
std::vector<double> NameHeights(const Plot& plot, const std::vector<ChartLine>& lines) {
    std::vector<size_t> order(lines.size());
    std::vector<double> y(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        order[i] = i;
        y[i] = plot.Y(lines[i].Totals.back());
    }
    std::ranges::stable_sort(order, [&](size_t a, size_t b) { return y[a] < y[b]; });
    for (size_t k = 1; k < order.size(); ++k) y[order[k]] = std::max(y[order[k]], y[order[k - 1]] + kNameGap);
    if (!order.empty()) y[order.back()] = std::min(y[order.back()], kLowestName);
    for (size_t k = order.size(); k-- > 1;) y[order[k - 1]] = std::min(y[order[k - 1]], y[order[k]] - kNameGap);
    return y;
}

// The name as the pages show it, shortened to fit beside the plot.
std::string ShownName(const std::string& stored) {
    std::string name = DecodeCharacterReferences(TrimBlanks(stored));
    if (name.size() > kShownNameLength) name = name.substr(0, kShownNameLength - 2) + "..";
    return EscapeMarkup(name);
}

void PlayerLine(const Plot& plot, const ChartLine& line, const char* colour, double nameHeight) {
    std::string points, dots;
    for (size_t i = 0; i < line.Totals.size(); ++i) {
        std::string x = Coord(plot.X(i)), y = Coord(plot.Y(line.Totals[i]));
        points += (i ? " " : "") + x + "," + y;
        dots += "<circle cx=\"" + x + "\" cy=\"" + y + "\" r=\"2.5\" fill=\"" + colour + "\"/>";
    }
    SendLine({"<polyline points=\"", points, "\" fill=\"none\" stroke=\"", colour, "\" stroke-width=\"2\"/>"});
    Send(dots);
    Text(plot.X(line.Totals.size() - 1) + 6, nameHeight, "start", colour, ShownName(line.Name));
}

}  // namespace

const char* LineColour(size_t place) {
    static const char* const kColours[] = {"#000099", "#990000", "#006600", "#CC6600", "#660099",
                                           "#0099CC", "#999900", "#CC0066", "#666666", "#009966"};
    return kColours[place % std::size(kColours)];
}

void SeasonSvg(const std::vector<std::string>& periods, const std::vector<ChartLine>& lines) {
    long highest = 0;
    for (const ChartLine& line : lines) highest = std::max(highest, *std::ranges::max_element(line.Totals));
    long step = ScaleStep(highest);
    Plot plot{periods.size(), std::max(step, (highest + step - 1) / step * step), step};
    SendLine({"<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100%\" viewBox=\"0 0 ", NumText(kWidth), " ",
              NumText(kHeight), "\" style=\"max-width: 600px\" role=\"img\" aria-label=\"Season chart: the total ",
              "points of the top ten players after each scored period\" font-family=\"", kFontFace, "\">"});
    SendLine({"<rect width=\"", NumText(kWidth), "\" height=\"", NumText(kHeight), "\" fill=\"#FFFFFF\"/>"});
    Axes(plot, periods);
    std::vector<double> nameHeights = NameHeights(plot, lines);
    for (size_t place = lines.size(); place-- > 0;)
        PlayerLine(plot, lines[place], LineColour(place), nameHeights[place]);
    Send("</svg>");
}
