#include "users/user_file.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "core/clock.h"
#include "core/failure.h"
#include "core/files.h"
#include "core/fixed_width.h"
#include "core/name_key.h"
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

static UserRecord DecodeFields(std::string_view bytes) {
    auto field = [&](Field f) { return std::string(bytes.substr(f.Offset, f.Width)); };
    static_assert(kFieldsEnd <= kUserRecordLength);
    return {field(kEmail), field(kPassword), field(kRealName), field(kLastAccess), field(kStatus)};
}

UserRecord DecodeUserRecord(const std::string& bytes, size_t offset) {
    return DecodeFields(std::string_view(bytes).substr(offset));
}

// The bytes of each whole record in file order until visit answers false:
// one open for the whole walk and one block held at a time.
static void ForEachUserRecordBytes(const std::function<bool(int32_t, std::string_view)>& visit) {
    if (!FileExists(UserFilePath())) return;
    constexpr int64_t kBlockRecords = 1024;
    FileRanges file(UserFilePath());
    int32_t count = RecordCount(file.Length());
    for (int32_t first = 0; first < count; first += kBlockRecords) {
        int64_t records = std::min<int64_t>(kBlockRecords, count - first);
        std::string_view view = file.View(first * kUserRecordLength, records * kUserRecordLength);
        for (int64_t i = 0; i < records && static_cast<int64_t>(view.size()) >= (i + 1) * kUserRecordLength; ++i)
            if (!visit(first + static_cast<int32_t>(i) + 1, view.substr(static_cast<size_t>(i * kUserRecordLength),
                                                                         kUserRecordLength)))
                return;
    }
}

void ForEachUserRecord(const std::function<bool(int32_t, const UserRecord&)>& visit) {
    ForEachUserRecordBytes([&](int32_t number, std::string_view bytes) { return visit(number, DecodeFields(bytes)); });
}

void WriteUserRecord(int32_t number, const UserRecord& record) {
    // A new user file appears whole: an empty one left by a failed first
    // write would make the next player record 1 without being administrator.
    if (number == 1 && !FileExists(UserFilePath()))
        WriteFileAtomic(UserFilePath(), EncodeUserRecord(record));
    else
        WriteAt(UserFilePath(), static_cast<int64_t>(number - 1) * kUserRecordLength, EncodeUserRecord(record));
}

namespace {

// What a record must hold in one field to pass TestRecord: its trimmed
// upper-case text equal to one of the keys. A lookup passes every other
// record over undecoded, which is most of a large file on every request.
struct LookupKeys {
    Field Of = kEmail;
    std::vector<std::string> Keys;

    explicit LookupKeys(const std::string& mode) {
        const Run& r = R();
        auto both = [](const std::string& a, const std::string& b) {
            return !TrimBlanks(a).empty() && !TrimBlanks(b).empty();
        };
        bool login = mode.empty() && both(r.LoginEmail, r.LoginPassword);
        if (login) Keys.push_back(KeptText(r.LoginEmail, kEmail));
        if (!login && (mode.empty() || mode == "CHECKUSERNAME") && both(r.UserEmailField, r.UserPasswordField))
            Keys.push_back(KeptText(r.UserEmailField, kEmail));
        if (!mode.empty() && mode != "CHECKUSERNAME") {
            Of = kRealName;
            Keys.push_back(mode);
        }
    }

    bool MayMatch(std::string_view record) const {
        std::string_view text = record.substr(Of.Offset, Of.Width);
        return std::ranges::any_of(Keys, [&](const std::string& key) { return MatchesNameKey(text, key); });
    }
};

}  // namespace

std::string getrecord(const std::string& mode) {
    Run& r = R();
    r.CurrentRoutine = "getrecord";
    r.UserRecordNumber = 1;
    if (!FileExists(UserFilePath())) return "NOUSERFILEYET";
    LookupKeys keys(mode);
    std::string answer;
    int32_t last = 0, decoded = 0;
    ForEachUserRecordBytes([&](int32_t number, std::string_view bytes) {
        last = number;
        if (!keys.MayMatch(bytes)) return true;
        decoded = number;
        r.User = DecodeFields(bytes);
        r.UserRecordNumber = number;
        if (TrimBlanks(r.User.UserStatus) != "DELETE") answer = TestRecord(r.User, mode);
        return answer.empty();
    });
    // Without a match the run goes on with the last record read, as it
    // always has.
    if (answer.empty() && last != decoded)
        r.User = DecodeFields(ReadFileRange(UserFilePath(), (last - 1) * kUserRecordLength, kUserRecordLength));
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

// The administrator's own record (number 0) stays even when his login name is
// no e-mail address: dropping it would leave the pool without one.
static bool KeptByCompaction(int32_t n, const UserRecord& record) {
    std::string status = Trimm(record.UserStatus);
    bool hasAddress = n == 0 || Contains(record.UserEmail, "@");
    return !Contains(status, "DELETE") && hasAddress && !status.empty();
}

// True when compaction would leave the file byte for byte as it is.
static bool CompactionKeepsAll(int64_t length) {
    bool keepsAll = length % kUserRecordLength == 0;
    if (keepsAll)
        ForEachUserRecord([&](int32_t number, const UserRecord& record) {
            return keepsAll = KeptByCompaction(number - 1, record);
        });
    return keepsAll;
}

void CompactUserFile() {
    R().CurrentRoutine = "CompactUserFile";
    std::string path = UserFilePath();
    if (!FileExists(path)) return;
    int64_t length = FileLength(path);
    if (length == kUserRecordLength) return;
    if (RecordCount(length) > 32767) Fail(kOverflow);
    // Most views remove nothing: the file is then neither read whole nor rewritten.
    if (CompactionKeepsAll(length)) return;
    std::string bytes = ReadWholeFile(path);
    int32_t count = RecordCount(static_cast<int64_t>(bytes.size()));
    std::string kept;
    for (int32_t n = 0; n < count; ++n) {
        size_t offset = static_cast<size_t>(n) * kUserRecordLength;
        if (KeptByCompaction(n, DecodeUserRecord(bytes, offset))) kept += bytes.substr(offset, kUserRecordLength);
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
    if (!FileExists(UserFilePath())) return;
    std::string first = ReadFileRange(UserFilePath(), 0, kUserRecordLength);
    if (static_cast<int64_t>(first.size()) < kUserRecordLength) return;
    UserRecord administrator = DecodeUserRecord(first);
    r.AdministratorName = Trimm(administrator.UserRealName);
    r.AdministratorEmail = LCase(Trimm(administrator.UserEmail));
}

std::string KeptRealName(const std::string& typed) { return KeptText(typed, kRealName); }

bool IsListedUser(const UserRecord& record) {
    return TrimBlanks(record.UserStatus) != "DELETE" && !TrimBlanks(record.UserEmail).empty();
}
