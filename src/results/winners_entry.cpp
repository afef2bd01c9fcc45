#include "results/winners_entry.h"

#include "cgi/form.h"
#include "core/failure.h"
#include "core/run.h"
#include "core/text.h"
#include "game/periods.h"
#include "game/pick_sheet.h"
#include "game/sheet_page.h"
#include "html/form_pieces.h"
#include "users/admin_menu.h"

namespace {

// Once the last period is scored there is none to score: a period past the
// game data file would only be scored over the last run's undo.
bool SeasonHasEnded() {
    std::string weekFile;
    LoadWeekFile(weekFile);
    if (!PoolHasEnded()) return false;
    AdminMainMenuSaying("The Season Has Ended - There Is No Period To Score!");
    return true;
}

}  // namespace

void EnterWinners() {
    if (SeasonHasEnded()) return;
    SheetPageTop("EnterWinners", "<br><i>Enter This Weeks Winning Teams</i><br>", "<!-- ThisWeeksPicks -->");
    SheetOfCurrentWeek("ENTERWINNERS2");
    SheetSubmit("Fenterpicks.gif", "Enter Your Picks");
    ReturnToAdminMenuForm();
    SheetPageEnd();
    EndRun();
}

void ConfirmWeeklyWinners() {
    if (SeasonHasEnded()) return;
    SheetPageTop("ConfirmWeeklyWinners", "<br><i>Confirm The ZARN POOL Winning Teams</i><br>",
                 "<!-- ConfirmWeeklyWinners -->");
    SheetOfCurrentWeek("ENTERWINNERSFINAL");
    HiddenField("PERIOD", TrimBlanks(R().CurrentWeek));
    SheetSubmit("Fconfirmpicks.gif", "Confirm Your Picks");
    EditPicksForm("ENTERWINNERS");
    ReturnToAdminMenuForm();
    SheetPageEnd();
}

bool ConfirmedPeriodWasScored() {
    if (SeasonHasEnded()) return true;
    // Back and the confirm button again send the period just scored; a page
    // made before the field existed is scored as it always was.
    std::string period = TrimBlanks(GetCgiValue("PERIOD"));
    if (!period.empty() && period != TrimBlanks(R().CurrentWeek)) {
        AdminMainMenuSaying("Period " + period + " Has Already Been Scored - Nothing Was Changed!");
        return true;
    }
    // The advance is the run's last step: a number it cannot reach must
    // stop the run before any standings are written.
    NextPeriodNumber();
    return false;
}
