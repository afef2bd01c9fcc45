#include "results/scoring_undo.h"

#include <optional>

#include "cgi/form.h"
#include "cgi/output.h"
#include "core/file_batch.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "core/undo_file.h"
#include "game/menu_top.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"
#include "users/admin_menu.h"

namespace {

// Why the kept run cannot be undone, "" when it can.
std::string Refusal(const std::optional<KeptChange>& run) {
    if (!run) return "There Is No Scoring Run To Undo - Nothing Was Changed!";
    if (!StillAsLeft(*run))
        return "The Pool's Files Have Changed Since Period " + run->Label + " Was Scored - Nothing Was Changed!";
    return "";
}

}  // namespace

void KeepScoringUndo(const std::string& period, FileBatch& batch) {
    const std::string standings[] = {PeriodWinnersFilePath(period), OverallWinnersFilePath()};
    KeepUndo(batch, period,
             {standings[0], standings[0] + ".bak", standings[1], standings[1] + ".bak", TeamsFilePath(period),
              WinningPicksFilePath(period), WeekFilePath()},
             // A lock-out date set for the next period keeps the run undoable;
             // the undo gives the period its own again.
             {LockDateFilePath()});
}

void ConfirmUndoScoring() {
    R().CurrentRoutine = "ConfirmUndoScoring";
    std::optional<KeptChange> run = KeptUndo();
    std::string refusal = Refusal(run);
    if (!refusal.empty()) {
        AdminMainMenuSaying(refusal);
        return;
    }
    std::string period = "Period " + run->Label;
    MenuTop();
    PageCaption("<br><i><b>Undo Scoring Of " + period + "</b></i><br><br>");
    Send("<!-- ConfirmUndoScoring -->");
    SendLine({FontTag("2"), "The standings go back to where they stood before ", period, " was scored.<br>"});
    Send(period + " becomes the current period again, ready for its winning teams.</font><br><br>");
    FormTag();
    HiddenField("ACTION", "UNDOSCORINGFINAL");
    HiddenField("RUN", run->Stamp);
    LoginFields();
    SubmitButton("Undo Scoring Of " + period);
    Send("</form>");
    ReturnToAdminMenuForm();
    CentredPageEnd();
}

void UndoScoring() {
    R().CurrentRoutine = "UndoScoring";
    std::optional<KeptChange> run = KeptUndo();
    std::string notice = Refusal(run);
    // A page sent again after a later run was kept never undoes that one.
    if (run && TrimBlanks(GetCgiValue("RUN")) != run->Stamp)
        notice = "The Scoring Run This Page Names Is No Longer The Last - Nothing Was Changed!";
    if (notice.empty()) {
        FileBatch batch;
        TakeBack(*run, batch);
        batch.Commit();
        notice = "Scoring Of Period " + run->Label + " Has Been Undone!";
    }
    AdminMainMenuSaying(notice);
}
