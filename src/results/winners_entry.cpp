#include "results/winners_entry.h"

#include "core/failure.h"
#include "core/run.h"
#include "core/text.h"
#include "game/periods.h"
#include "game/picks_store.h"
#include "game/pick_sheet.h"
#include "game/sheet_page.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
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

// The winning teams and the actual score are held to what a player's picks
// and guess are held to; "" when they pass.
std::string WinnersRefusal(const std::string& winners) {
    std::string problem = PicksProblem(winners, R().TieBreaker);
    return problem.empty() ? "" : "The winning teams were not entered: " + problem;
}

void EnterWinnersSaying(const std::string& notice) {
    SheetPageTop("EnterWinners", "<br><i>Enter This Weeks Winning Teams</i><br>", "<!-- ThisWeeksPicks -->");
    if (!notice.empty()) NoticeLine(notice);
    SheetOfCurrentWeek("ENTERWINNERS2");
    SheetSubmit("Fenterpicks.gif", "Enter Your Picks");
    ReturnToAdminMenuForm();
    SheetPageEnd();
    EndRun();
}

}  // namespace

void EnterWinners() {
    if (!SeasonHasEnded()) EnterWinnersSaying("");
}

// A slip brings the sheet back with the teams chosen so far.
void ConfirmWeeklyWinners() {
    if (SeasonHasEnded()) return;
    std::string winners = PicksFromArray(), refusal = WinnersRefusal(winners);
    if (!refusal.empty()) {
        R().Action = "ENTERWINNERS";
        R().Uwp = PicksProblem(winners, "").empty() ? winners : "";
        EnterWinnersSaying(refusal);
        return;
    }
    SheetPageTop("ConfirmWeeklyWinners", "<br><i>Confirm The ZARN POOL Winning Teams</i><br>",
                 "<!-- ConfirmWeeklyWinners -->");
    SheetOfCurrentWeek("ENTERWINNERSFINAL");
    HiddenField("PERIOD", TrimBlanks(R().CurrentWeek));
    SheetSubmit("Fconfirmpicks.gif", "Confirm Your Picks");
    EditPicksForm("ENTERWINNERS");
    ReturnToAdminMenuForm();
    SheetPageEnd();
}

bool ScoringRefused() {
    std::string weekFile;
    LoadWeekFile(weekFile);
    // Back and the confirm button again send the period just scored.
    if (std::string period = OtherPeriodSent(); !period.empty()) {
        AdminMainMenuSaying("Period " + period + " Has Already Been Scored - Nothing Was Changed!");
        return true;
    }
    if (SeasonHasEnded()) return true;
    if (std::string refusal = WinnersRefusal(R().Uwp); !refusal.empty()) {
        AdminMainMenuSaying(refusal);
        return true;
    }
    // The advance is the run's last step: a number it cannot reach must
    // stop the run before any standings are written.
    NextPeriodNumber();
    return false;
}
