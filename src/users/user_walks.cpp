#include "users/user_walks.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "core/files.h"
#include "core/name_key.h"
#include "core/paths.h"
#include "core/text.h"
#include "users/user_fields.h"

namespace {

bool Holds(const std::string& field, const std::string& typed, UserField f) {
    return UCase(TrimBlanks(field)) == KeptText(typed, f);
}

std::string MatchAnswer(const UserRecord& record) {
    return UCase(TrimBlanks(record.UserStatus)) == "PENDING" ? "MAYBE" : "YES";
}

// The test of one record in login mode, in CHECKUSERNAME mode (formOnly) and
// in name mode; "" when the record does not match.
std::string TestRecord(const UserRecord& record, const std::string& mode) {
    const Run& r = R();
    bool loginMode = mode.empty();
    // The form's USEREMAIL and USERPASSWORD stand in for a login only when
    // the request carries none: an administrator storing a player is himself.
    if (loginMode && !TrimBlanks(r.LoginEmail).empty() && !TrimBlanks(r.LoginPassword).empty()) {
        if (!Holds(record.UserEmail, r.LoginEmail, kUserEmail)) return "";
        return Holds(record.UserPassword, r.LoginPassword, kUserPassword) ? MatchAnswer(record) : "PASSWORD ERROR";
    }
    if (loginMode || mode == "CHECKUSERNAME") {
        if (!TrimBlanks(r.UserEmailField).empty() && !TrimBlanks(r.UserPasswordField).empty() &&
            Holds(record.UserEmail, r.UserEmailField, kUserEmail) &&
            Holds(record.UserPassword, r.UserPasswordField, kUserPassword))
            return MatchAnswer(record);
        return "";
    }
    return UCase(TrimBlanks(record.UserRealName)) == mode ? MatchAnswer(record) : "";
}

// What a record must hold in one field to pass TestRecord: its trimmed
// upper-case text equal to one of the keys. A lookup passes every other
// record over undecoded, which is most of a large file on every request.
struct LookupKeys {
    UserField Of = kUserEmail;
    std::vector<std::string> Keys;

    explicit LookupKeys(const std::string& mode) {
        const Run& r = R();
        auto both = [](const std::string& a, const std::string& b) {
            return !TrimBlanks(a).empty() && !TrimBlanks(b).empty();
        };
        bool login = mode.empty() && both(r.LoginEmail, r.LoginPassword);
        if (login) Keys.push_back(KeptText(r.LoginEmail, kUserEmail));
        if (!login && (mode.empty() || mode == "CHECKUSERNAME") && both(r.UserEmailField, r.UserPasswordField))
            Keys.push_back(KeptText(r.UserEmailField, kUserEmail));
        if (!mode.empty() && mode != "CHECKUSERNAME") {
            Of = kUserRealName;
            Keys.push_back(mode);
        }
    }

    bool MayMatch(std::string_view fields) const {
        std::string_view text = fields.substr(Of.Offset, Of.Width);
        return std::ranges::any_of(Keys, [&](const std::string& key) { return MatchesNameKey(text, key); });
    }
};

// A record that may match becomes the run's record; its answer, "" for a
// deleted one.
std::string TestDecoded(int32_t number, std::string_view fields, const std::string& mode) {
    Run& r = R();
    DecodeUserFieldsInto(fields, r.User);
    r.UserRecordNumber = number;
    return TrimBlanks(r.User.UserStatus) != "DELETE" ? TestRecord(r.User, mode) : "";
}

}  // namespace

void ForEachUserRecord(const std::function<bool(int32_t, const UserRecord&)>& visit) {
    UserRecord record;
    ForEachUserFieldBytes(false, [&](int32_t number, std::string_view fields) {
        DecodeUserFieldsInto(fields, record);
        return visit(number, record);
    });
}

int32_t ForEachUserFields(const std::function<bool(int32_t, const UserFieldViews&)>& visit) {
    int32_t last = 0;
    ForEachUserFieldBytes(true, [&](int32_t number, std::string_view fields) {
        last = number;
        return visit(number, UserFieldsIn(fields));
    });
    return last;
}

UserRecord ReadUserRecord(int32_t number) {
    return DecodeUserRecord(ReadFileRange(UserFilePath(), (number - 1) * kUserRecordLength, kUserRecordLength));
}

std::string getrecord(const std::string& mode) {
    Run& r = R();
    r.CurrentRoutine = "getrecord";
    r.UserRecordNumber = 1;
    if (!FileExists(UserFilePath())) return "NOUSERFILEYET";
    LookupKeys keys(mode);
    std::string answer;
    int32_t last = 0, decoded = 0;
    ForEachUserFieldBytes(true, [&](int32_t number, std::string_view fields) {
        last = number;
        if (keys.MayMatch(fields)) {
            decoded = number;
            answer = TestDecoded(number, fields, mode);
        }
        return answer.empty();
    });
    if (!answer.empty()) return answer;
    // Without a match the run goes on with the last record read, as it
    // always has, numbered one past it: the walk saw every record.
    if (last != decoded) r.User = ReadUserRecord(last);
    r.UserRecordNumber = last + 1;
    return answer;
}
