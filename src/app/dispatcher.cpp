#include "app/dispatcher.h"

#include "cgi/form.h"
#include "cgi/request_state.h"
#include "comments/comment_board.h"
#include "core/activity_log.h"
#include "core/file_batch.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "core/work_files.h"
#include "datafile/data_file_editor.h"
#include "game/lock_date.h"
#include "game/lock_date_page.h"
#include "game/periods.h"
#include "game/pick_pages.h"
#include "game/picks_policy.h"
#include "game/picks_store.h"
#include "help/help_pages.h"
#include "images/site_images.h"
#include "results/exports.h"
#include "results/new_season.h"
#include "results/results_pages.h"
#include "results/scoring_run.h"
#include "results/scoring_undo.h"
#include "results/season_chart.h"
#include "results/winners_entry.h"
#include "users/activity_log_page.h"
#include "users/admin_menu.h"
#include "users/admission.h"
#include "users/admission_page.h"
#include "users/login.h"
#include "users/login_pages.h"
#include "users/main_menu.h"
#include "users/players_without_picks.h"
#include "users/user_edit_pages.h"
#include "users/user_file.h"
#include "users/user_lists.h"

namespace {

// Who may ask for an action, and whether picks must still be open: both are
// checked once, in RunActionHandler.
enum Who : bool { kAnyPlayer = false, kAdministrator = true };
// Picks sent once picks are closed are not taken, and the player is told why.
enum Picks { kAnyTime, kPicksOpen, kPicksSent };

struct ActionRow {
    const char* Action;
    void (*Handler)();
    Who AllowedTo;
    Picks When;
};

// An ordinary player who posts an administrator's action, or a player who
// asks for a pick page once picks are closed, changes nothing and is shown
// his own main menu, as a plain login would show it.
void ShowPlayersOwnMenu(const std::string& notice = "") {
    R().Action = "LOGIN";
    LoadNewUserStatus();
    MainMenuWithNotice(notice);
}

void ThisWeekRow() { ThisWeeksPicks(); }

// Picks or a guess that cannot be saved bring the sheet back with the reason,
// keeping the choices when they are a sheet's; picks that may not replace
// the saved ones bring the menu saying why.
void ConfirmPicksRow() {
    Run& r = R();
    std::string saved = SavedPicksRefusal();
    if (!saved.empty()) {
        ShowPlayersOwnMenu(saved);
        return;
    }
    std::string picks = PicksFromArray();
    std::string refusal = PicksRefusal(picks, r.TieBreaker);
    if (refusal.empty()) {
        ConfirmThisWeeksPicks();
        return;
    }
    r.Action = "THISWEEK";
    r.Uwp = PicksProblem(picks, "").empty() ? picks : "";
    ThisWeeksPicks(refusal);
}

void LoginRow() {
    LoadNewUserStatus();
    MainMenu();
}

// A player keeps one record: a first save adds it, a change replaces it.
void SavePicksRow() {
    std::string refusal = PicksPeriodRefusal();
    if (refusal.empty()) refusal = SavedPicksRefusal();
    if (refusal.empty()) refusal = PicksRefusal(R().Uwp, R().TieBreaker);
    if (refusal.empty() && R().Action == kChangePicksAction)
        ReplacePicks();
    else if (refusal.empty())
        SavePicks();
    R().Action = "LOGIN";
    MainMenuWithNotice(refusal);
}

void ScoreboardRow() { ShowWinners("OVERALL"); }
void LastWeekRow() { ShowWinners("LASTWEEK"); }
void PostCommentsRow() { PostComments(CommentsFilePath()); }
void ViewCommentsRow() { ViewComments(CommentsFilePath(), kCommentLinesShown); }

void AddCommentsRow() {
    AddComment(CommentsFilePath());
    ViewComments(CommentsFilePath(), kCommentLinesShown);
}

// The scoring run, the removal of the lock-out date and what takes both back
// take effect together.
void ScoringRow() {
    if (ScoringRefused()) return;
    std::string period = R().CurrentWeek;
    FileBatch batch;
    UpdateWinnerForThisWeek(batch);
    batch.Delete(LockDateFilePath());
    KeepScoringUndo(period, batch);
    batch.Commit();
    AdminMainMenu();
}

void SetLockDateRow() {
    SaveLockDate();
    AdminMainMenu();
}

// The two policies of the page are stored together.
void SetUserStatusRow() {
    FileBatch batch;
    SaveNewUserStatus(batch);
    SavePicksPolicy(batch, GetCgiValue("PICKSPOLICY"));
    batch.Commit();
    AdminMainMenu();
}

const ActionRow kActionTable[] = {
    {"LOGIN", LoginRow, kAnyPlayer, kAnyTime},
    {"LOGINAPPROVE", MainMenu, kAnyPlayer, kAnyTime},
    {"THISWEEK", ThisWeekRow, kAnyPlayer, kPicksOpen},
    {"USERPICS1", ConfirmPicksRow, kAnyPlayer, kPicksSent},
    {"USERPICS2", SavePicksRow, kAnyPlayer, kPicksSent},
    {kChangePicksAction, SavePicksRow, kAnyPlayer, kPicksSent},
    {"VIEWUSERPICKS", ConfirmThisWeeksPicks, kAnyPlayer, kAnyTime},
    {"SCOREBOARD", ScoreboardRow, kAnyPlayer, kAnyTime},
    {"POSTCOMMENTS", PostCommentsRow, kAnyPlayer, kAnyTime},
    {"VIEWCOMMENTS", ViewCommentsRow, kAnyPlayer, kAnyTime},
    {"ADDCOMMENTS", AddCommentsRow, kAnyPlayer, kAnyTime},
    {"ACTIVITYLOG", AdminViewActivityLog, kAdministrator, kAnyTime},
    {"LASTWEEK", LastWeekRow, kAnyPlayer, kAnyTime},
    {"ENTERWINNERS", EnterWinners, kAdministrator, kAnyTime},
    {"ENTERWINNERS2", ConfirmWeeklyWinners, kAdministrator, kAnyTime},
    {"ENTERWINNERSFINAL", ScoringRow, kAdministrator, kAnyTime},
    {"UNDOSCORING", ConfirmUndoScoring, kAdministrator, kAnyTime},
    {"UNDOSCORINGFINAL", UndoScoring, kAdministrator, kAnyTime},
    {"LOCKOUTDATE", AdminSetLockOutDate, kAdministrator, kAnyTime},
    {"SETLOCKDATE", SetLockDateRow, kAdministrator, kAnyTime},
    {"NEWUSER", PickNewUserStatus, kAdministrator, kAnyTime},
    {"SETUSERSTATUS", SetUserStatusRow, kAdministrator, kAnyTime},
    {"ADDUSER", AddUser, kAdministrator, kAnyTime},
    {"ADMINUPDATE", AdminUpdate, kAdministrator, kAnyTime},
    {"VIEWUSERS", ViewUserDatabase, kAdministrator, kAnyTime},
    {"VIEWPLAYERS", ViewUsers, kAnyPlayer, kAnyTime},
    {"ADMINMAINMENU", AdminMainMenu, kAdministrator, kAnyTime},
    {"EDITUSER", EditUser, kAdministrator, kAnyTime},
    {"EDITTHISUSER", EditThisUser, kAdministrator, kAnyTime},
    {"ADMIN", AdminMainMenu, kAdministrator, kAnyTime},
    {"DF", RegViewTeamDataFile, kAdministrator, kAnyTime},
    {"TDF", SaveDataFile, kAdministrator, kAnyTime},
    {"NEWSEASON", ConfirmNewSeason, kAdministrator, kAnyTime},
    {"NEWSEASONFINAL", StartNewSeason, kAdministrator, kAnyTime},
    {"PLAYERSWITHOUTPICKS", PlayersWithoutPicks, kAdministrator, kAnyTime},
    {"EXPORTSTANDINGS", ExportStandings, kAdministrator, kAnyTime},
    {"EXPORTRESULTS", ExportLastPeriodResults, kAdministrator, kAnyTime},
    {"EXPORTPICKS", ExportPeriodPicks, kAdministrator, kAnyTime},
    {"SEASONCHART", SeasonChart, kAnyPlayer, kAnyTime},
};

// The row a logged-in player's action selects, by the action trimmed and
// upper-cased; an action without a row writes nothing.
void RunActionHandler(const std::string& action) {
    std::string word = UCase(TrimBlanks(action));
    for (const ActionRow& row : kActionTable) {
        if (word != row.Action) continue;
        // Handlers see the word they were chosen by, whatever its spelling.
        R().Action = word;
        bool refused = row.AllowedTo == kAdministrator && TrimBlanks(R().CurrentUserStatus) != "ADMINISTRATOR";
        if (refused)
            ShowPlayersOwnMenu();
        else if (row.When != kAnyTime && PicksAreClosed())
            ShowPlayersOwnMenu(row.When != kPicksSent ? "" : ClosedPicksNotice());
        else
            row.Handler();
        return;
    }
}

// Folders, images, the administrator, the request state (an action without
// an e-mail address or password ends in the not-listed page), the activity record.
void StartUp() {
    Run& r = R();
    DeriveFoldersAndAddresses();
    // Under the lock, what a killed run left is finished or removed before
    // anything reads the pool.
    TidyDataFolder();
    TakeOverDeliveredGameFile();
    r.CurrentRoutine = "Quarto_Main";
    r.Version = "0.99 - Build 9.6.2";
    WriteSiteImages();
    WriteHelpPages();
    LoadAdministrator();
    if (!GetData()) NotListedPage();
    WriteActivityLog();
}

}  // namespace

void ActionDispatcher() {
    StartUp();
    if (TrimBlanks(R().Action).empty()) {
        LoadNewUserStatus();
        LoginScreen();
        return;
    }
    if (ApproveLogin())
        RunActionHandler(R().Action);
    else
        RefusedLogin();
}
