#include "users/user_file.h"

#include <algorithm>

#include "core/clock.h"
#include "core/failure.h"
#include "core/files.h"
#include "core/fixed_width.h"
#include "core/paths.h"
#include "core/text.h"

namespace {

struct Field {
    size_t Offset, Width;
};
constexpr Field kEmail{0, 40}, kPassword{40, 40}, kRealName{80, 60}, kLastAccess{140, 35}, kStatus{175, 20};
constexpr size_t kFieldsEnd = 195;  // reserved zero bytes follow

// A field is written as one line of text: the real name and e-mail end up as
// lines of the picks and standings files, where a line break would forge records.
std::string FieldText(const std::string& text, Field f) { return FixedWidth(SingleLine(text), f.Width); }

// A typed value as the field keeps it: escaping can make it longer than the
// field, which stores it cut, so lookups compare the cut value.
std::string KeptText(const std::string& typed, Field f) {
    return UCase(TrimBlanks(FieldText(UCase(TrimBlanks(typed)), f)));
}

bool Holds(const std::string& field, const std::string& typed, Field f) {
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
        if (!Holds(record.UserEmail, r.LoginEmail, kEmail)) return "";
        return Holds(record.UserPassword, r.LoginPassword, kPassword) ? MatchAnswer(record) : "PASSWORD ERROR";
    }
    if (loginMode || mode == "CHECKUSERNAME") {
        if (!TrimBlanks(r.UserEmailField).empty() && !TrimBlanks(r.UserPasswordField).empty() &&
            Holds(record.UserEmail, r.UserEmailField, kEmail) &&
            Holds(record.UserPassword, r.UserPasswordField, kPassword))
            return MatchAnswer(record);
        return "";
    }
    return UCase(TrimBlanks(record.UserRealName)) == mode ? MatchAnswer(record) : "";
}

int32_t RecordCount(int64_t length) { return static_cast<int32_t>(length / kUserRecordLength); }

}  // namespace

std::string EncodeUserRecord(const UserRecord& record) {
    std::string bytes = FieldText(record.UserEmail, kEmail) + FieldText(record.UserPassword, kPassword) +
                        FieldText(record.UserRealName, kRealName) + FieldText(record.UserLastAccess, kLastAccess) +
                        FieldText(record.UserStatus, kStatus);
    bytes.resize(kUserRecordLength, '\0');
    return bytes;
}

UserRecord DecodeUserRecord(const std::string& bytes, size_t offset) {
    auto field = [&](Field f) { return bytes.substr(offset + f.Offset, f.Width); };
    static_assert(kFieldsEnd <= kUserRecordLength);
    return {field(kEmail), field(kPassword), field(kRealName), field(kLastAccess), field(kStatus)};
}

void ForEachUserRecord(const std::function<bool(int32_t, const UserRecord&)>& visit) {
    if (!FileExists(UserFilePath())) return;
    constexpr int64_t kBlockRecords = 256;
    int64_t length = FileLength(UserFilePath());
    int32_t count = RecordCount(length);
    for (int32_t first = 0; first < count; first += kBlockRecords) {
        int64_t records = std::min<int64_t>(kBlockRecords, count - first);
        std::string block = ReadFileRange(UserFilePath(), first * kUserRecordLength, records * kUserRecordLength);
        for (int64_t i = 0; i < records && static_cast<int64_t>(block.size()) >= (i + 1) * kUserRecordLength; ++i)
            if (!visit(first + static_cast<int32_t>(i) + 1, DecodeUserRecord(block, static_cast<size_t>(i * kUserRecordLength))))
                return;
    }
}

void WriteUserRecord(int32_t number, const UserRecord& record) {
    // A new user file appears whole: an empty one left by a failed first
    // write would make the next player record 1 without being administrator.
    if (number == 1 && !FileExists(UserFilePath()))
        WriteFileAtomic(UserFilePath(), EncodeUserRecord(record));
    else
        WriteAt(UserFilePath(), static_cast<int64_t>(number - 1) * kUserRecordLength, EncodeUserRecord(record));
}

std::string getrecord(const std::string& mode) {
    Run& r = R();
    r.CurrentRoutine = "getrecord";
    r.UserRecordNumber = 1;
    if (!FileExists(UserFilePath())) return "NOUSERFILEYET";
    std::string answer;
    ForEachUserRecord([&](int32_t number, const UserRecord& record) {
        r.User = record;
        r.UserRecordNumber = number;
        if (TrimBlanks(record.UserStatus) != "DELETE") answer = TestRecord(record, mode);
        return answer.empty();
    });
    if (answer.empty()) r.UserRecordNumber = RecordCount(FileLength(UserFilePath())) + 1;
    return answer;
}

void addrecord() {
    Run& r = R();
    r.CurrentRoutine = "addrecord";
    r.User.UserEmail = UCase(TrimBlanks(r.UserEmailField));
    r.User.UserPassword = UCase(TrimBlanks(r.UserPasswordField));
    r.User.UserStatus = UCase(TrimBlanks(r.UserStatusField));
    r.User.UserRealName = UCase(TrimBlanks(r.UserRealNameField));
    r.User.UserLastAccess = DateTimeStamp(NowLocal());
    int64_t length = FileExists(UserFilePath()) ? FileLength(UserFilePath()) : 0;
    r.UserRecordNumber = RecordCount(length) + 1;
    WriteUserRecord(r.UserRecordNumber, r.User);
}

void updatedrecord() {
    Run& r = R();
    r.CurrentRoutine = "updatedrecord";
    if (FileExists(UserFilePath())) WriteUserRecord(r.UserRecordNumber, r.User);
}

void CompactUserFile() {
    R().CurrentRoutine = "CompactUserFile";
    std::string path = UserFilePath();
    if (!FileExists(path)) return;
    std::string bytes = ReadWholeFile(path);
    if (bytes.size() == static_cast<size_t>(kUserRecordLength)) return;
    int32_t count = RecordCount(static_cast<int64_t>(bytes.size()));
    if (count > 32767) Fail(kOverflow);
    std::string kept;
    for (int32_t n = 0; n < count; ++n) {
        size_t offset = static_cast<size_t>(n) * kUserRecordLength;
        UserRecord record = DecodeUserRecord(bytes, offset);
        std::string status = Trimm(record.UserStatus);
        // The administrator's own record stays even when his login name is no
        // e-mail address: dropping it would leave the pool without one.
        bool hasAddress = n == 0 || Contains(record.UserEmail, "@");
        if (!Contains(status, "DELETE") && hasAddress && !status.empty())
            kept += bytes.substr(offset, kUserRecordLength);
    }
    // The work file is the user file's name with ".ddd" for ".dat"; the folder
    // lock keeps any other run from writing it meanwhile.
    std::string workFile = path.substr(0, path.size() - 4) + ".ddd";
    WriteFileVia(path, workFile, kept);
}

void ChangeAndCompactUserFile(const std::function<void()>& change) {
    std::string path = UserFilePath();
    bool existed = FileExists(path);
    std::string before = existed ? ReadWholeFile(path) : "";
    try {
        change();
        CompactUserFile();
    } catch (...) {
        // The compaction renames last: the file holds the change in place.
        try {
            if (!existed) {
                DeleteFileIfExists(path);
            } else {
                SetFileLength(path, static_cast<int64_t>(before.size()));
                WriteAt(path, 0, before);
            }
        } catch (...) {
            // The first failure is the one to report.
        }
        throw;
    }
}

bool UserFileHasOtherUsers() {
    return FileExists(UserFilePath()) && FileLength(UserFilePath()) != kUserRecordLength;
}

void LoadAdministrator() {
    Run& r = R();
    r.CurrentRoutine = "LoadAdministrator";
    ForEachUserRecord([&](int32_t, const UserRecord& first) {
        r.AdministratorName = Trimm(first.UserRealName);
        r.AdministratorEmail = LCase(Trimm(first.UserEmail));
        return false;
    });
}

std::string KeptRealName(const std::string& typed) { return KeptText(typed, kRealName); }

bool IsListedUser(const UserRecord& record) {
    return TrimBlanks(record.UserStatus) != "DELETE" && !TrimBlanks(record.UserEmail).empty();
}
