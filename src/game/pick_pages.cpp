#include "game/pick_pages.h"

#include "cgi/output.h"
#include "core/failure.h"
#include "core/run.h"
#include "core/text.h"
#include "game/lock_date.h"
#include "game/periods.h"
#include "game/pick_sheet.h"
#include "game/picks_policy.h"
#include "game/picks_store.h"
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

// Confirms the picks just made (USERPICS1), saying whether saved picks can
// be changed, as a change when the player has saved picks; or shows the
// stored ones (VIEWUSERPICKS, whose only form offers their change while
// that is allowed).
void ConfirmThisWeeksPicks() {
    bool viewing = R().Action == "VIEWUSERPICKS";
    SheetPageTop("ConfirmThisWeeksPicks",
                 viewing ? "<br><i>Your Selections</i><br>" : "<br><i>Confirm Your Selections!</i><br>",
                 "<!-- ConfirmThisWeeksPicks -->");
    SheetOfCurrentWeek(HasSavedPicks() ? kChangePicksAction : "USERPICS2");
    if (viewing) {
        if (HasSavedPicks() && SavedPicksMayChange() && !PicksAreClosed()) ChangePicksForm();
        ReturnToMainMenuForm();
    } else {
        HiddenField("PERIOD", TrimBlanks(R().CurrentWeek));
        SendLine({FontTag("2", "#990000"), SavePolicyLine(), "</font><br><br>"});
        SheetSubmit("Fconfirmpicks.gif", "Confirm Your Picks");
        EditPicksForm("THISWEEK");
    }
    SheetPageEnd();
}

std::string PicksPeriodRefusal() {
    std::string period = OtherPeriodSent();
    if (period.empty()) return "";
    return "Your picks for Period " + period + " were not saved: Period " + TrimBlanks(R().CurrentWeek) +
           " is open now. Please make them again.";
}
