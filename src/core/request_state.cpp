#include "core/request_state.h"

#include "cgi/failure.h"
#include "cgi/form.h"
#include "core/run.h"
#include "core/text.h"
#include "users/login_pages.h"

static const char kScrambleMarker[] = "*B*";

// The character of one collected code: digits only, leading zeros allowed,
// and a code that one byte can hold.
static char CodeCharacter(const std::string& code) {
    if (code.empty() || code.find_first_not_of("0123456789") != std::string::npos) Fail(kTypeMismatch);
    size_t first = code.find_first_not_of('0');
    std::string digits = first == std::string::npos ? "0" : code.substr(first);
    if (digits.size() > 3 || std::stoi(digits) > 255) Fail(kInvalidCall);
    return static_cast<char>(std::stoi(digits));
}

std::string ScrambleValue(const std::string& text) {
    std::string out;
    if (!StartsWith(text, kScrambleMarker)) {
        for (char c : text) out += std::to_string(static_cast<unsigned char>(c)) + ",";
        for (char& c : out) c = static_cast<char>(c + 1);
        return kScrambleMarker + out;
    }
    std::string code;
    for (size_t i = 3; i < text.size(); ++i) {
        char c = static_cast<char>(text[i] - 1);
        if (c != ',') {
            code += c;
            continue;
        }
        out += CodeCharacter(code);
        code.clear();
    }
    return out;
}

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

void GetData() {
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
    if (noCredentials && !TrimBlanks(r.Action).empty()) NotListedPage();
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
}
