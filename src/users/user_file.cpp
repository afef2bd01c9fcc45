#include "users/user_file.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "core/clock.h"
#include "core/failure.h"
#include "core/files.h"
#include "core/fixed_width.h"
#include "core/name_key.h"
#include "core/paths.h"
#include "core/text.h"
#include "users/user_fields.h"
#include "users/user_index.h"

namespace {

struct Field {
    size_t Offset, Width;
};
constexpr Field kEmail{0, 40}, kPassword{40, 40}, kRealName{80, 60}, kLastAccess{140, 35}, kStatus{175, 20};
constexpr size_t kFieldsEnd = kUserFieldsLength;  // reserved zero bytes follow

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

static UserFieldViews FieldsIn(std::string_view bytes) {
    static_assert(kFieldsEnd <= kUserRecordLength);
    auto field = [bytes](Field f) { return bytes.substr(f.Offset, f.Width); };
    return {field(kEmail), field(kPassword), field(kRealName), field(kLastAccess), field(kStatus)};
}

// Into a record whose strings are kept: a walk of the file decodes every
// record into the same one.
static void DecodeFieldsInto(std::string_view bytes, UserRecord& record) {
    UserFieldViews fields = FieldsIn(bytes);
    record.UserEmail.assign(fields.Email);
    record.UserPassword.assign(fields.Password);
    record.UserRealName.assign(fields.RealName);
    record.UserLastAccess.assign(fields.LastAccess);
    record.UserStatus.assign(fields.Status);
}

static UserRecord DecodeFields(std::string_view bytes) {
    UserRecord record;
    DecodeFieldsInto(bytes, record);
    return record;
}

UserRecord DecodeUserRecord(const std::string& bytes, size_t offset) {
    return DecodeFields(std::string_view(bytes).substr(offset));
}

// Asks for the field bytes of the record a few steps after the one at
// offset: the records lie 1695 bytes apart, so each step would otherwise
// wait on memory.
static void PrefetchFields(std::string_view view, size_t offset) {
    constexpr size_t kAhead = 8;
    size_t at = offset + kAhead * kUserRecordLength;
    if (at + kFieldsEnd > view.size()) return;
    for (size_t line = 0; line < kFieldsEnd; line += 64) __builtin_prefetch(view.data() + at + line);
    __builtin_prefetch(view.data() + at + kFieldsEnd - 1);
}

// The bytes of each whole record in file order until visit answers false:
// one open for the whole walk and one window of the file held at a time. A
// window starts at a multiple of 2 MiB, so that the system can map a large
// page it may keep the file in whole, with far fewer faults; it holds the
// records that begin in it, the last one whole. A template, so that each
// walk's step is compiled into its loop.
template <class Visit>
static void ForEachUserRecordBytes(FileRanges& file, const Visit& visit) {
    constexpr int64_t kWindow = 2 << 20;
    int64_t count = RecordCount(file.Length());
    for (int64_t start = 0, first = 0; first < count; start += kWindow) {
        int64_t end = std::min(count, (start + kWindow + kUserRecordLength - 1) / kUserRecordLength);
        std::string_view view = file.View(start, end * kUserRecordLength - start);
        for (; first < end; ++first) {
            size_t at = static_cast<size_t>(first * kUserRecordLength - start);
            if (view.size() < at + kUserRecordLength) break;
            PrefetchFields(view, at);
            if (!visit(static_cast<int32_t>(first + 1), view.substr(at, kUserRecordLength))) return;
        }
        first = end;
    }
}

// The field bytes of each whole record in file order until visit answers
// false, from the copy of the fields when it describes the file; else from
// the file, which then makes the copy anew (when copying) if the walk
// reaches its end.
template <class Visit>
static void ForEachUserFieldBytes(FileRanges& file, bool copying, const Visit& visit) {
    struct stat status = file.Status();
    UserFieldsCopy copy(status);
    if (copy.Valid()) {
        for (int32_t number = 1; number <= static_cast<int32_t>(copy.Count()); ++number)
            if (!visit(number, copy.Fields(number))) return;
        return;
    }
    std::optional<UserFieldsBuild> build;
    if (copying) build.emplace(status);
    bool whole = true;
    ForEachUserRecordBytes(file, [&](int32_t number, std::string_view bytes) {
        if (build) build->Add(bytes);
        return whole = visit(number, bytes);
    });
    if (build && whole) build->Done();
}

// A walk for a page leaves the copy of the fields behind it; the scoring
// run's and the editor's walks only read one that is there.
void ForEachUserRecord(const std::function<bool(int32_t, const UserRecord&)>& visit) {
    if (!FileExists(UserFilePath())) return;
    FileRanges file(UserFilePath());
    UserRecord record;
    ForEachUserFieldBytes(file, false, [&](int32_t number, std::string_view bytes) {
        DecodeFieldsInto(bytes, record);
        return visit(number, record);
    });
}

int32_t ForEachUserFields(const std::function<bool(int32_t, const UserFieldViews&)>& visit) {
    if (!FileExists(UserFilePath())) return 0;
    FileRanges file(UserFilePath());
    int32_t last = 0;
    ForEachUserFieldBytes(file, true, [&](int32_t number, std::string_view bytes) {
        last = number;
        return visit(number, FieldsIn(bytes));
    });
    return last;
}

UserRecord ReadUserRecord(int32_t number) {
    return DecodeUserRecord(ReadFileRange(UserFilePath(), (number - 1) * kUserRecordLength, kUserRecordLength));
}

// Before a rewrite of the user file that the derived files cannot follow.
static void RemoveUserCopies() {
    RemoveUserIndex();
    RemoveUserFields();
}

static uint32_t EmailKeyHash(std::string_view record) {
    return NameKeyHash(record.substr(kEmail.Offset, kEmail.Width));
}

void WriteUserRecord(int32_t number, const UserRecord& record) {
    std::string bytes = EncodeUserRecord(record);
    // A new user file appears whole: an empty one left by a failed first
    // write would make the next player record 1 without being administrator.
    if (number == 1 && !FileExists(UserFilePath())) {
        RemoveUserCopies();
        WriteFileAtomic(UserFilePath(), bytes);
        return;
    }
    UserFileStatus before, after;
    UserIndexWrite index(number, EmailKeyHash(bytes), before);
    UserFieldsWrite fields(number, bytes, before);
    WriteAt(UserFilePath(), static_cast<int64_t>(number - 1) * kUserRecordLength, bytes);
    index.Written(after);
    fields.Written(after);
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

    bool ByEmail() const { return Of.Offset == kEmail.Offset; }
    std::vector<uint32_t> Hashes() const {
        std::vector<uint32_t> hashes;
        for (const std::string& key : Keys) hashes.push_back(KeyHash(key));
        return hashes;
    }

    bool MayMatch(std::string_view record) const {
        std::string_view text = record.substr(Of.Offset, Of.Width);
        return std::ranges::any_of(Keys, [&](const std::string& key) { return MatchesNameKey(text, key); });
    }
};

// A record that may match becomes the run's record; its answer, "" for a
// deleted one.
std::string TestDecoded(int32_t number, std::string_view bytes, const std::string& mode) {
    Run& r = R();
    r.User = DecodeFields(bytes);
    r.UserRecordNumber = number;
    return TrimBlanks(r.User.UserStatus) != "DELETE" ? TestRecord(r.User, mode) : "";
}

// The answer of the first of the records the index names that answers at
// all, each read alone; "" when none does.
std::string IndexedLookup(FileRanges& file, const std::vector<int32_t>& candidates, const LookupKeys& keys,
                          const std::string& mode) {
    std::string bytes, answer;
    for (int32_t number : candidates) {
        file.Read((number - 1) * kUserRecordLength, kUserRecordLength, bytes);
        if (static_cast<int64_t>(bytes.size()) == kUserRecordLength && keys.MayMatch(bytes))
            answer = TestDecoded(number, bytes, mode);
        if (!answer.empty()) break;
    }
    return answer;
}

}  // namespace

std::string getrecord(const std::string& mode) {
    Run& r = R();
    r.CurrentRoutine = "getrecord";
    r.UserRecordNumber = 1;
    if (!FileExists(UserFilePath())) return "NOUSERFILEYET";
    LookupKeys keys(mode);
    FileRanges file(UserFilePath());
    struct stat status = file.Status();
    std::optional<std::vector<int32_t>> candidates;
    if (keys.ByEmail()) candidates = IndexedUserRecords(status, keys.Hashes());
    std::string answer = candidates ? IndexedLookup(file, *candidates, keys, mode) : "";
    if (!answer.empty()) return answer;
    // The walk decides a miss (an unknown address is rare) and makes the
    // index when there is none: it then goes on past the answer, hashing.
    bool indexing = keys.ByEmail() && !candidates;
    std::vector<uint32_t> hashes;
    int32_t last = 0, decoded = 0;
    ForEachUserRecordBytes(file, [&](int32_t number, std::string_view bytes) {
        if (indexing) hashes.push_back(EmailKeyHash(bytes));
        if (!answer.empty()) return true;
        last = number;
        if (keys.MayMatch(bytes)) {
            decoded = number;
            answer = TestDecoded(number, bytes, mode);
        }
        return indexing || answer.empty();
    });
    if (indexing) WriteUserIndex(status, hashes);
    // Without a match the run goes on with the last record read, as it
    // always has.
    if (answer.empty() && last != decoded) {
        std::string bytes;
        file.Read((last - 1) * kUserRecordLength, kUserRecordLength, bytes);
        r.User = DecodeFields(bytes);
    }
    if (answer.empty()) r.UserRecordNumber = RecordCount(status.st_size) + 1;
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
// no e-mail address: dropping it would leave the pool without one. status is
// the record's status as Trimm trims it.
static bool KeptAt(int32_t n, std::string_view email, std::string_view status) {
    bool hasAddress = n == 0 || email.find('@') != std::string_view::npos;
    return status.find("DELETE") == std::string_view::npos && hasAddress && !status.empty();
}

bool KeptByCompaction(int32_t number, const UserFieldViews& record) {
    return KeptAt(number - 1, record.Email, TrimmView(record.Status));
}

// True when compaction would leave the file byte for byte as it is. The user
// database page finds it out as it lists every record; else the two fields
// of each record are tested in place.
static bool CompactionKeepsAll(int64_t length, std::optional<bool> everyRecordKept) {
    if (length % kUserRecordLength != 0) return false;
    if (everyRecordKept) return *everyRecordKept;
    bool keepsAll = true;
    FileRanges file(UserFilePath());
    ForEachUserFieldBytes(file, false, [&](int32_t number, std::string_view bytes) {
        return keepsAll = KeptByCompaction(number, FieldsIn(bytes));
    });
    return keepsAll;
}

void CompactUserFile(std::optional<bool> everyRecordKept) {
    R().CurrentRoutine = "CompactUserFile";
    std::string path = UserFilePath();
    if (!FileExists(path)) return;
    int64_t length = FileLength(path);
    if (length == kUserRecordLength) return;
    if (RecordCount(length) > 32767) Fail(kOverflow);
    // Most views remove nothing: the file is then neither read whole nor rewritten.
    if (CompactionKeepsAll(length, everyRecordKept)) return;
    std::string bytes = ReadWholeFile(path);
    int32_t count = RecordCount(static_cast<int64_t>(bytes.size()));
    std::string kept;
    for (int32_t n = 0; n < count; ++n) {
        size_t offset = static_cast<size_t>(n) * kUserRecordLength;
        UserRecord record = DecodeUserRecord(bytes, offset);
        if (KeptAt(n, record.UserEmail, Trimm(record.UserStatus)))
            kept += bytes.substr(offset, kUserRecordLength);
    }
    // The work file is the user file's name with ".ddd" for ".dat"; the folder
    // lock keeps any other run from writing it meanwhile.
    std::string workFile = path.substr(0, path.size() - 4) + ".ddd";
    RemoveUserCopies();
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
            RemoveUserCopies();
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

bool IsListedUser(std::string_view email, std::string_view status) { return status != "DELETE" && !email.empty(); }

bool IsListedUser(const UserRecord& record) {
    return IsListedUser(TrimBlanksView(record.UserEmail), TrimBlanksView(record.UserStatus));
}
