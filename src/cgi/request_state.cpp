#include "cgi/request_state.h"

#include "cgi/form.h"
#include "core/failure.h"
#include "core/run.h"
#include "core/scramble.h"
#include "core/text.h"

static void ReadCredentials() {
    Run& r = R();
    if (!TrimBlanks(GetCgiValue("NNAME")).empty()) {
        r.LoginEmail = GetCgiValue("NNAME");
        r.LoginPassword = GetCgiValue("PASS");
    } else {
        r.CredentialsFromHiddenFields = true;
        r.LoginEmail = GetCgiValue("XAI");
        r.LoginPassword = GetCgiValue("IAX");
    }
}

static void ReadPicks() {
    Run& r = R();
    for (int i = 1; i <= r.LineNumber; ++i) {
        if (i > 100) Fail(kSubscript);
        std::string pick = GetCgiValue("C" + std::to_string(i));
        r.Picks[i] = pick.empty() ? "5" : pick;
    }
}

bool GetData() {
    Run& r = R();
    r.CurrentRoutine = "GetData";
    r.Action = GetCgiValue("ACTION");
    r.Month = GetCgiValue("MONTH");
    r.Day = GetCgiValue("DAY");
    r.Year = GetCgiValue("YEAR");
    r.Hour = GetCgiValue("HOUR");
    r.Minute = GetCgiValue("MINUTE");
    ReadCredentials();
    bool noCredentials = TrimBlanks(r.LoginEmail).empty() || TrimBlanks(r.LoginPassword).empty();
    if (noCredentials && !TrimBlanks(r.Action).empty()) return false;
    r.NewUserPolicy = GetCgiValue("NEWUSER");
    r.TieBreaker = GetCgiValue("TIEBREAKER");
    r.LineNumber = CInt(Val(TrimBlanks(GetCgiValue("LINENUMBER"))));
    if (StartsWith(r.LoginEmail, kScrambleMarker)) {
        r.LoginEmail = ScrambleValue(r.LoginEmail);
        r.LoginPassword = ScrambleValue(r.LoginPassword);
    }
    // The hidden fields come back unescaped: what they carry ends up in the
    // user file and on other players' pages.
    if (r.CredentialsFromHiddenFields) {
        r.LoginEmail = EscapeCarriedValue(r.LoginEmail);
        r.LoginPassword = EscapeCarriedValue(r.LoginPassword);
    }
    r.FName = GetCgiValue("FNAME");
    r.Edit = GetCgiValue("EDIT");
    r.UserEmailField = GetCgiValue("USEREMAIL");
    r.UserRealNameField = GetCgiValue("USERREALNAME");
    r.UserStatusField = GetCgiValue("USERSTATUS");
    r.UserPasswordField = GetCgiValue("USERPASSWORD");
    ReadPicks();
    r.Uwp = GetCgiValue("UWP");
    r.CommentField = GetCgiValue("COMMENTFIELD");
    return true;
}
