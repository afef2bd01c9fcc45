#include "results/results_pages.h"

#include "cgi/output.h"
#include "core/failure.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "game/menu_top.h"
#include "game/periods.h"
#include "game/pick_sheet.h"
#include "game/sheet_page.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"

namespace {

// The text centred, in one buffer that every row reuses.
std::string_view Centered(std::string_view text) {
    static std::string centered;
    centered.assign("<div align=center>").append(text).append("</div>");
    return centered;
}

// A row for every three-line record in stored order. A file that ends inside
// a record is input past its end, found before the first row is shown.
void StandingsRows(const std::string& path) {
    FileRanges file(path);
    std::string_view bytes = file.ViewWhole();
    if (CountTextLines(bytes) % 3 != 0) Fail(kInputPastEnd);
    for (TextLineCursor lines(bytes); !lines.AtEnd();) {
        std::string_view name = lines.Next();
        std::string_view points = lines.Next();
        ResultRow(name, points, Centered(lines.Next()));
    }
}

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
        StandingsRows(path);
    } else {
        ResultRow("No", "Data", Centered("Available"));
    }
    Send("</table>");
    Send("<br>");
    if (!lastPeriod) SubmitForm("SEASONCHART", "Season Chart");
    ReturnToMainMenuForm();
    SheetPageEnd();
}
