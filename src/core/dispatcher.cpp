#include "core/dispatcher.h"

#include "comments/comment_board.h"
#include "core/activity_log.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/request_state.h"
#include "core/run.h"
#include "core/text.h"
#include "datafile/data_file_editor.h"
#include "game/lock_date.h"
#include "game/lock_date_page.h"
#include "game/periods.h"
#include "game/pick_pages.h"
#include "help/help_pages.h"
#include "game/picks_store.h"
#include "images/site_images.h"
#include "results/results_pages.h"
#include "results/scoring_run.h"
#include "results/winners_entry.h"
#include "users/admin_pages.h"
#include "users/admission.h"
#include "users/login.h"
#include "users/login_pages.h"
#include "users/main_menu.h"
#include "users/user_file.h"
#include "users/user_lists.h"

namespace {

struct ActionRow {
    const char* Action;
    void (*Handler)();
    bool AdministratorOnly;
};

// An ordinary player who posts an administrator's action, or a player who
// asks for the pick sheet once picks are closed, changes nothing and is shown
// his own main menu, as a plain login would show it.
void ShowPlayersOwnMenu() {
    R().Action = "LOGIN";
    LoadNewUserStatus();
    MainMenu();
}

// Picks are closed once the lock-out time has passed or the pool has ended;
// the pick pages enforce it, not only the menu.
bool PicksAreClosed() {
    std::string weekFile;
    LoadWeekFile(weekFile);
    return IsGameLocked() || PoolHasEnded();
}

void ThisWeekRow() {
    if (PicksAreClosed())
        ShowPlayersOwnMenu();
    else
        ThisWeeksPicks();
}

void ConfirmPicksRow() {
    if (PicksAreClosed())
        ShowPlayersOwnMenu();
    else
        ConfirmThisWeeksPicks();
}

void LoginRow() {
    LoadNewUserStatus();
    MainMenu();
}

// Readers use a player's first record only, so a second one is not saved.
void SavePicksRow() {
    if (PicksAreClosed() || LoadUserPicks()) {
        ShowPlayersOwnMenu();
        return;
    }
    SavePicks();
    R().Action = "LOGIN";
    MainMenu();
}

void ScoreboardRow() { ShowWinners("OVERALL"); }
void LastWeekRow() { ShowWinners("LASTWEEK"); }
void PostCommentsRow() { PostComments(CommentsFilePath()); }
void ViewCommentsRow() { ViewComments(CommentsFilePath(), 600); }

void AddCommentsRow() {
    AddComment(CommentsFilePath());
    ViewComments(CommentsFilePath(), 600);
}

void ScoringRow() {
    UpdateWinnerForThisWeek();
    DeleteFileIfExists(LockDateFilePath());
    AdminMainMenu();
}

void SetLockDateRow() {
    SaveLockDate();
    AdminMainMenu();
}

void SetUserStatusRow() {
    SaveNewUserStatus();
    AdminMainMenu();
}

const ActionRow kActionTable[] = {
    {"LOGIN", LoginRow, false},
    {"LOGINAPPROVE", MainMenu, false},
    {"THISWEEK", ThisWeekRow, false},
    {"USERPICS1", ConfirmPicksRow, false},
    {"USERPICS2", SavePicksRow, false},
    {"VIEWUSERPICKS", ConfirmThisWeeksPicks, false},
    {"SCOREBOARD", ScoreboardRow, false},
    {"POSTCOMMENTS", PostCommentsRow, false},
    {"VIEWCOMMENTS", ViewCommentsRow, false},
    {"ADDCOMMENTS", AddCommentsRow, false},
    {"ACTIVITYLOG", AdminViewActivityLog, true},
    {"LASTWEEK", LastWeekRow, false},
    {"ENTERWINNERS", EnterWinners, true},
    {"ENTERWINNERS2", ConfirmWeeklyWinners, true},
    {"ENTERWINNERSFINAL", ScoringRow, true},
    {"LOCKOUTDATE", AdminSetLockOutDate, true},
    {"SETLOCKDATE", SetLockDateRow, true},
    {"NEWUSER", PickNewUserStatus, true},
    {"SETUSERSTATUS", SetUserStatusRow, true},
    {"ADDUSER", AddUser, true},
    {"ADMINUPDATE", AdminUpdate, true},
    {"VIEWUSERS", ViewUserDatabase, true},
    {"VIEWPLAYERS", ViewUsers, false},
    {"ADMINMAINMENU", AdminMainMenu, true},
    {"EDITUSER", EditUser, true},
    {"EDITTHISUSER", EditThisUser, true},
    {"ADMIN", AdminMainMenu, true},
    {"DF", RegViewTeamDataFile, true},
    {"TDF", SaveDataFile, true},
};

// The row a logged-in player's action selects, by the action trimmed and
// upper-cased; an action without a row writes nothing.
void RunActionHandler(const std::string& action) {
    std::string word = UCase(TrimBlanks(action));
    for (const ActionRow& row : kActionTable) {
        if (word != row.Action) continue;
        // Handlers see the word they were chosen by, whatever its spelling.
        R().Action = word;
        if (row.AdministratorOnly && TrimBlanks(R().CurrentUserStatus) != "ADMINISTRATOR")
            ShowPlayersOwnMenu();
        else
            row.Handler();
        return;
    }
}

// Folders, images, the administrator, the request state, the activity record.
void StartUp() {
    Run& r = R();
    DeriveFoldersAndAddresses();
    r.CurrentRoutine = "Quarto_Main";
    r.Version = "0.99 - Build 9.6.2";
    WriteSiteImages();
    WriteHelpPages();
    LoadAdministrator();
    GetData();
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
