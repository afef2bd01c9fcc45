#include "users/login.h"

#include "core/activity_log.h"
#include "core/clock.h"
#include "core/failure.h"
#include "core/file_batch.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "users/admission.h"
#include "users/login_limits.h"
#include "users/login_pages.h"
#include "users/main_menu.h"
#include "users/real_names.h"
#include "users/user_file.h"
#include "users/user_walks.h"

namespace {

bool Admits(const std::string& policy) { return policy == "ALLOWALL" || policy == "APPROVE"; }

// A new player who sent the real-name form with the name left blank is asked
// again: without a name he could play but would never be scored.
void AskAgainForBlankRealName() {
    Run& r = R();
    bool newPlayer = r.LoginResult == "" || r.LoginResult == "NOUSERFILEYET";
    if (r.Action != "LOGINAPPROVE" || !newPlayer || !TrimBlanks(r.UserRealNameField).empty()) return;
    if (r.LoginResult == "NOUSERFILEYET")
        r.NewUserPolicy = "APPROVE";
    else
        LoadNewUserStatus();
    if (!Admits(r.NewUserPolicy)) return;
    LoginAnewUser();
    EndRun();
}

void BecomeFirstAdministrator() {
    Run& r = R();
    r.User = UserRecord{};
    r.User.UserEmail = UCase(TrimBlanks(r.LoginEmail));
    r.User.UserPassword = UCase(TrimBlanks(r.LoginPassword));
    r.User.UserStatus = "ADMINISTRATOR";
    r.User.UserRealName = UCase(TrimBlanks(r.UserRealNameField));
    r.User.UserLastAccess = DateTimeStamp(NowLocal());
    r.AdministratorName = r.User.UserRealName;
    r.AdministratorEmail = r.User.UserEmail;
    r.UserRecordNumber = 1;
    WriteUserRecord(1, r.User);
    r.LoginResult = "YES";
    r.Action = "LOGIN";
}

bool LetKnownPlayerIn() {
    Run& r = R();
    r.CurrentUserRecordNumber = r.UserRecordNumber;
    r.CurrentUserStatus = UCase(TrimBlanks(r.User.UserStatus));
    r.CurrentUserRealName = TrimBlanks(r.User.UserRealName);
    r.LoginPassword = TrimBlanks(r.User.UserPassword);
    r.User.UserLastAccess = DateTimeStamp(NowLocal());
    if (r.Action == "LOGIN") updatedrecord();
    return true;
}

// A request may add or admit a player by itself only when it says
// "ALLOWALL" and the stored policy says so too: a hand-made field must not
// open a pool whose administrator requires approval or blocks new players.
bool RequestMayAdmit() { return R().NewUserPolicy == "ALLOWALL" && StoredNewUserPolicy() == "ALLOWALL"; }

bool AddAsOrdinaryUser() {
    Run& r = R();
    // Without a user file nothing could be stored: no login.
    if (r.LoginResult == "NOUSERFILEYET") return false;
    // A pending player admitted without a name keeps the one he registered.
    bool pending = r.LoginResult == "MAYBE";
    std::string name = pending && TrimBlanks(r.UserRealNameField).empty() ? r.User.UserRealName : r.UserRealNameField;
    if (RefuseRealName(name, pending ? r.UserRecordNumber : 0) == RealNameRefusal::Taken) {
        LoginAnewUser(true);
        EndRun();
    }
    r.User.UserRealName = TrimBlanks(name);
    r.User.UserEmail = TrimBlanks(r.LoginEmail);
    r.User.UserPassword = TrimBlanks(r.LoginPassword);
    r.CurrentUserRealName = TrimBlanks(r.User.UserRealName);
    r.User.UserLastAccess = DateTimeStamp(NowLocal());
    r.User.UserStatus = "USER";
    // A pending player admitted now registered before.
    if (pending) {
        updatedrecord();
        return true;
    }
    FileBatch batch;
    CountRegistration(batch, RegistrationEntry());
    CommitWithAddedRecord(batch, r.User);
    return true;
}

void AddFromRealNameForm(const std::string& status) {
    Run& r = R();
    r.UserEmailField = r.LoginEmail;
    r.UserPasswordField = r.LoginPassword;
    r.UserStatusField = status;
    FileBatch batch;
    CountRegistration(batch, RegistrationEntry());
    addrecord(batch);
}

// A newcomer who gives a real name that a player already has is asked for
// his own: he would share that player's picks and scores.
void RefusedLoginFromNameForm() {
    Run& r = R();
    if (RefuseRealName(r.UserRealNameField, 0) == RealNameRefusal::Taken) {
        LoginAnewUser(true);
        return;
    }
    if (r.NewUserPolicy == "APPROVE") {
        AddFromRealNameForm("PENDING");
        NewUserMustBeApproved();
        return;
    }
    AddFromRealNameForm("USER");
    r.Action = "LOGIN";
    r.CurrentUserRealName = Trimm(r.User.UserRealName);
    MainMenu();
}

}  // namespace

bool ApproveLogin() {
    Run& r = R();
    r.LoginResult = "";
    r.LoginResult = getrecord("");
    // Checked before the password counts, so a guess past the limit learns nothing.
    if (r.LoginResult == "YES" || r.LoginResult == "MAYBE" || r.LoginResult == "PASSWORD ERROR")
        WaitWhileAccountLocked();
    AskAgainForBlankRealName();
    if (r.Action == "LOGINAPPROVE" && r.LoginResult == "NOUSERFILEYET") BecomeFirstAdministrator();
    if (r.LoginResult == "PASSWORD ERROR") {
        CountWrongPassword();
        r.Action = "PASSWORD ERROR";
        return false;
    }
    if (r.LoginResult == "YES") return LetKnownPlayerIn();
    if (r.LoginResult == "") {
        if (!RequestMayAdmit()) return false;
        if (TrimBlanks(r.UserRealNameField).empty()) {
            LoginAnewUser();
            EndRun();
        }
    }
    if (!RequestMayAdmit()) return false;
    return AddAsOrdinaryUser();
}

void RefusedLogin() {
    Run& r = R();
    if (r.Action == "PASSWORD ERROR") {
        WriteActivityLog();
        LoginScreen();
        return;
    }
    LoadNewUserStatus();
    if (r.LoginResult == "MAYBE") {
        NewUserMustBeApproved();
        return;
    }
    if (!FileExists(UserFilePath()) && r.Action == "LOGIN") {
        r.NewUserPolicy = "APPROVE";
        LoginAnewUser();
        return;
    }
    if (r.Action == "LOGIN" && Admits(r.NewUserPolicy)) {
        std::string answer = getrecord(r.UserRealNameField);
        if (answer != "YES" && answer != "MAYBE") {
            r.Action = "LOGINAPPROVE";
            LoginAnewUser();
        } else if (r.NewUserPolicy == "APPROVE") {
            NewUserMustBeApproved();
        } else {
            MainMenu();
        }
        return;
    }
    if (r.Action == "LOGINAPPROVE" && Admits(r.NewUserPolicy)) {
        RefusedLoginFromNameForm();
        return;
    }
    NoNewUsers();
}
