#include "results/results_pages.h"

#include <vector>

#include "cgi/output.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "game/menu_top.h"
#include "game/periods.h"
#include "game/pick_sheet.h"
#include "game/sheet_page.h"
#include "html/form_pieces.h"

namespace {

struct StandingsLine {
    std::string Name;
    std::string Points;
    std::string Third;
};

// Whole three-line records in stored order; a file that ends inside a
// record is input past its end.
std::vector<StandingsLine> ReadStandings(const std::string& path) {
    std::vector<StandingsLine> records;
    LineReader file(path);
    while (!file.AtEnd()) {
        StandingsLine record;
        record.Name = file.Next();
        record.Points = file.Next();
        record.Third = file.Next();
        records.push_back(record);
    }
    return records;
}

// A results row: the bold name left, the middle value, the bold third value right.
void ResultRow(const std::string& name, const std::string& middle, const std::string& third) {
    std::string mark1 = "YES", mark2 = "YES";
    GameRow("", middle, name, mark1, "", "", third, mark2, "YES");
}

std::string Centered(const std::string& text) { return "<div align=center>" + text + "</div>"; }

}  // namespace

void ShowWinners(const std::string& mode) {
    R().CurrentRoutine = "ShowWinners";
    MenuTop();
    bool lastPeriod = mode == "LASTWEEK";
    std::string path, caption;
    if (lastPeriod) {
        std::string period = LastWeeksNumberIs();
        path = PeriodWinnersFilePath(period);
        caption = "<br><i><b>Results for Period " + period + "</b></i><br><br>";
    } else {
        path = OverallWinnersFilePath();
        caption = "<br><i><b>Overall Winners by Correct Picks</b></i><br><br>";
    }
    SheetCaption(caption, "<!-- ShowWinners -->");
    SheetFormHead("SKIP");
    bool exists = FileExists(path);
    if (lastPeriod)
        ResultRow("Name", "Correct", "Missed");
    else if (exists)
        ResultRow("Name", "Winning Picks", "");
    if (exists) {
        for (const StandingsLine& record : ReadStandings(path))
            ResultRow(record.Name, record.Points, Centered(record.Third));
    } else {
        ResultRow("No", "Data", Centered("Available"));
    }
    Send("</table>");
    Send("<br>");
    ReturnToMainMenuForm();
    SheetPageEnd();
}
