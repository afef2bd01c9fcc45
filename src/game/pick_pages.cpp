#include "game/pick_pages.h"

#include "core/failure.h"
#include "core/run.h"
#include "game/pick_sheet.h"
#include "game/sheet_page.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"

void ThisWeeksPicks(const std::string& notice) {
    SheetPageTop("ThisWeeksPicks", "<br><i>Make Your Selections!</i><br>", "<!-- ThisWeeksPicks -->");
    if (!notice.empty()) NoticeLine(notice);
    SheetOfCurrentWeek("USERPICS1");
    SheetSubmit("Fenterpicks.gif", "Enter Your Picks");
    ReturnToMainMenuForm();
    SheetPageEnd();
    EndRun();
}

// Confirms the picks just made (USERPICS1) or shows the stored ones
// (VIEWUSERPICKS, which has no form of its own).
void ConfirmThisWeeksPicks() {
    bool viewing = R().Action == "VIEWUSERPICKS";
    SheetPageTop("ConfirmThisWeeksPicks",
                 viewing ? "<br><i>Your Selections</i><br>" : "<br><i>Confirm Your Selections!</i><br>",
                 "<!-- ConfirmThisWeeksPicks -->");
    SheetOfCurrentWeek("USERPICS2");
    if (viewing) {
        ReturnToMainMenuForm();
    } else {
        SheetSubmit("Fconfirmpicks.gif", "Confirm Your Picks");
        EditPicksForm("THISWEEK");
    }
    SheetPageEnd();
}
