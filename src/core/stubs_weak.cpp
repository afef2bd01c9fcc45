// Temporary weak stubs until each subsystem lands; real definitions win.
#include <string>
#include <cstdint>
#include "cgi/failure.h"
#include "images/site_images.h"
#include "users/login_pages.h"
#include "users/login.h"
#include "users/admission.h"
#include "users/main_menu.h"
#include "users/admin_pages.h"
#include "users/user_lists.h"

#include "game/pick_pages.h"
#include "game/lock_date_page.h"
#include "results/winners_entry.h"
#include "results/scoring_run.h"
#include "results/results_pages.h"
#include "comments/comment_board.h"
#include "datafile/data_file_editor.h"
#include "core/activity_log.h"
#include "core/run.h"
__attribute__((weak)) std::string ImageFileName(const std::string& b) { return R().DataFilePrefix + b; }
__attribute__((weak)) void WriteSiteImages() {}
__attribute__((weak)) bool ReadImageLocation() { return false; }
__attribute__((weak)) void LoginScreen() {}
__attribute__((weak)) void NotListedPage() { EndRun(); }
__attribute__((weak)) void LoginAnewUser() {}
__attribute__((weak)) void NewUserMustBeApproved() {}
__attribute__((weak)) void NoNewUsers() {}
__attribute__((weak)) void PickNewUserStatus() {}
__attribute__((weak)) void MainMenu() {}
__attribute__((weak)) void ExitLink() {}
__attribute__((weak)) void AdminMainMenu() {}
__attribute__((weak)) void AddUser() {}
__attribute__((weak)) void AdminUpdate() {}
__attribute__((weak)) void EditUser() {}
__attribute__((weak)) void EditThisUser() {}
__attribute__((weak)) void UserTableHead(const std::string&) {}
__attribute__((weak)) void ViewUserDatabase() {}
__attribute__((weak)) void ViewUsers() {}
__attribute__((weak)) void UserRow() {}
__attribute__((weak)) void ThisWeeksPicks() {}
__attribute__((weak)) void ConfirmThisWeeksPicks() {}
__attribute__((weak)) void AdminSetLockOutDate() {}
__attribute__((weak)) void EnterWinners() {}
__attribute__((weak)) void ConfirmWeeklyWinners() {}
__attribute__((weak)) void UpdateWinnerForThisWeek() {}
__attribute__((weak)) void ShowWinners(const std::string&) {}
__attribute__((weak)) void PostComments(const std::string&) {}
__attribute__((weak)) void AddComment(const std::string&) {}
__attribute__((weak)) void ViewComments(const std::string&, int16_t) {}
__attribute__((weak)) void CommentField() {}
__attribute__((weak)) void ShowCommentsFile(const std::string&, int16_t) {}
__attribute__((weak)) void RegViewTeamDataFile() {}
__attribute__((weak)) void SaveDataFile() {}
__attribute__((weak)) void TDFile() {}
__attribute__((weak)) void AdminViewActivityLog() {}
__attribute__((weak)) void PastActivityLog(int16_t) {}
