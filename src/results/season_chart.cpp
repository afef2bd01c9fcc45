#include "results/season_chart.h"

#include <unordered_map>

#include "cgi/output.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "game/menu_top.h"
#include "game/scored_periods.h"
#include "game/sheet_page.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"
#include "results/season_svg.h"
#include "results/standings_records.h"

namespace {

// The top ten of the season standings in their order, each with the sum of
// his points in the period winners files up to each scored period: so the
// last total is what the scoreboard shows, the tie-break points included.
std::vector<ChartLine> SeasonLines(const std::vector<std::string>& periods) {
    std::vector<ChartLine> lines;
    for (const StandingsRecord& record : ReadStandingsRecords(OverallWinnersFilePath())) {
        if (lines.size() == 10) break;
        lines.push_back({TrimBlanks(record.Name), {}});
    }
    for (const std::string& period : periods) {
        std::unordered_map<std::string, long> points;
        for (const StandingsRecord& record : ReadStandingsRecords(PeriodWinnersFilePath(period)))
            points.emplace(TrimBlanks(record.Name), CLng(Val(TrimBlanks(record.Points))));
        for (ChartLine& line : lines) {
            auto found = points.find(line.Name);
            line.Totals.push_back((line.Totals.empty() ? 0 : line.Totals.back()) +
                                  (found == points.end() ? 0 : found->second));
        }
    }
    return lines;
}

std::string Cell(const std::string& attributes, const std::string& font, const std::string& text) {
    return "<td" + attributes + "><font face=\"" + kFontFace + "\" size=\"2\"" + font + ">" + text + "</font></td>";
}

// The same numbers for those who cannot see the picture, one row a player,
// his name in the colour of his line.
void TotalsTable(const std::vector<std::string>& periods, const std::vector<ChartLine>& lines) {
    Send(R"(<table border="1" cellspacing="0" cellpadding="3" align="center" bgcolor="#FFFFFF">)");
    SendLine({"<caption>", FontTag("2"), "Total points after each scored period</font></caption>"});
    std::string row = "  <tr bgcolor=\"#000066\">" + Cell("", " color=\"#FFFFFF\"", "<b>Name</b>");
    for (const std::string& period : periods)
        row += Cell(" align=\"right\"", " color=\"#FFFFFF\"", "<b>" + period + "</b>");
    Send(row + "</tr>");
    for (size_t place = 0; place < lines.size(); ++place) {
        row = "  <tr>" +
              Cell("", " color=\"" + std::string(LineColour(place)) + "\"", "<b>" + lines[place].Name + "</b>");
        for (long total : lines[place].Totals) row += Cell(" align=\"right\"", "", NumText(total));
        Send(row + "</tr>");
    }
    CloseTable();
}

}  // namespace

void SeasonChart() {
    R().CurrentRoutine = "SeasonChart";
    MenuTop();
    SheetCaption("<br><i><b>Season Chart</b></i><br><br>", "<!-- SeasonChart -->");
    std::vector<std::string> periods = ScoredPeriods();
    std::vector<ChartLine> lines = periods.empty() ? std::vector<ChartLine>{} : SeasonLines(periods);
    if (periods.empty()) {
        BlueHeading("No period has been scored yet.");
    } else if (lines.empty()) {
        BlueHeading("No player has points yet.");
    } else {
        SeasonSvg(periods, lines);
        Send("<br>");
        TotalsTable(periods, lines);
    }
    Send("<br>");
    ReturnToMainMenuForm();
    CentredPageEnd();
}
