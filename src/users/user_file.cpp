#include "users/user_file.h"

#include <string_view>

#include "core/clock.h"
#include "core/failure.h"
#include "core/file_batch.h"
#include "core/files.h"
#include "core/fixed_width.h"
#include "core/paths.h"
#include "core/text.h"
#include "users/user_fields.h"

namespace {

// A field is written as one line of text: the real name and e-mail end up as
// lines of the picks and standings files, where a line break would forge records.
std::string FieldText(const std::string& text, UserField f) { return FixedWidth(SingleLine(text), f.Width); }

int32_t RecordCount(int64_t length) { return static_cast<int32_t>(length / kUserRecordLength); }

}  // namespace

std::string EncodeUserRecord(const UserRecord& record) {
    std::string bytes = FieldText(record.UserEmail, kUserEmail) + FieldText(record.UserPassword, kUserPassword) +
                        FieldText(record.UserRealName, kUserRealName) +
                        FieldText(record.UserLastAccess, kUserLastAccess) + FieldText(record.UserStatus, kUserStatus);
    bytes.resize(kUserRecordLength, '\0');
    return bytes;
}

UserFieldViews UserFieldsIn(std::string_view bytes) {
    auto field = [bytes](UserField f) { return bytes.substr(f.Offset, f.Width); };
    return {field(kUserEmail), field(kUserPassword), field(kUserRealName), field(kUserLastAccess),
            field(kUserStatus)};
}

void DecodeUserFieldsInto(std::string_view bytes, UserRecord& record) {
    UserFieldViews fields = UserFieldsIn(bytes);
    record.UserEmail.assign(fields.Email);
    record.UserPassword.assign(fields.Password);
    record.UserRealName.assign(fields.RealName);
    record.UserLastAccess.assign(fields.LastAccess);
    record.UserStatus.assign(fields.Status);
}

UserRecord DecodeUserRecord(const std::string& bytes, size_t offset) {
    UserRecord record;
    DecodeUserFieldsInto(std::string_view(bytes).substr(offset), record);
    return record;
}

// Escaping can make a typed value longer than the field, which stores it
// cut, so lookups compare the cut value.
std::string KeptText(const std::string& typed, UserField field) {
    return UCase(TrimBlanks(FieldText(UCase(TrimBlanks(typed)), field)));
}

std::string KeptRealName(const std::string& typed) { return KeptText(typed, kUserRealName); }

bool IsListedUser(std::string_view email, std::string_view status) { return status != "DELETE" && !email.empty(); }

bool IsListedUser(const UserRecord& record) {
    return IsListedUser(TrimBlanksView(record.UserEmail), TrimBlanksView(record.UserStatus));
}

void WriteUserRecord(int32_t number, const UserRecord& record) {
    std::string bytes = EncodeUserRecord(record);
    UserFieldsWrite copy(number, bytes);
    // A new user file appears whole: an empty one left by a failed first
    // write would make the next player record 1 without being administrator.
    if (number == 1 && !FileExists(UserFilePath()))
        WriteFileAtomic(UserFilePath(), bytes);
    else
        WriteAt(UserFilePath(), static_cast<int64_t>(number - 1) * kUserRecordLength, bytes);
    copy.Written();
}

UserRecord RecordFromForm() {
    const Run& r = R();
    UserRecord record;
    record.UserEmail = UCase(TrimBlanks(r.UserEmailField));
    record.UserPassword = UCase(TrimBlanks(r.UserPasswordField));
    record.UserStatus = UCase(TrimBlanks(r.UserStatusField));
    record.UserRealName = UCase(TrimBlanks(r.UserRealNameField));
    record.UserLastAccess = DateTimeStamp(NowLocal());
    return record;
}

void CommitWithAddedRecord(FileBatch& batch, const UserRecord& record) {
    std::string path = UserFilePath();
    int64_t length = FileExists(path) ? FileLength(path) : 0;
    int64_t whole = length - length % kUserRecordLength;
    std::string bytes = EncodeUserRecord(record);
    R().UserRecordNumber = RecordCount(length) + 1;
    if (whole != length) {
        // A record cut short at the end is written over, as a record write
        // at its number would.
        RemoveUserFields();
        batch.Write(path, ReadFileRange(path, 0, whole) + bytes);
        batch.Commit();
        return;
    }
    UserFieldsWrite copy(R().UserRecordNumber, bytes);
    batch.Append(path, bytes);
    batch.Commit();
    copy.Written();
}

void addrecord(FileBatch& batch) {
    Run& r = R();
    r.CurrentRoutine = "addrecord";
    r.User = RecordFromForm();
    CommitWithAddedRecord(batch, r.User);
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
    ForEachUserFieldBytes(false, [&](int32_t number, std::string_view fields) {
        return keepsAll = KeptByCompaction(number, UserFieldsIn(fields));
    });
    return keepsAll;
}

// The records of bytes that compaction keeps, in their order, but the one
// of number dropped (0: none).
static std::string CompactedBytes(const std::string& bytes, int32_t dropped) {
    int32_t count = RecordCount(static_cast<int64_t>(bytes.size()));
    std::string kept;
    for (int32_t n = 0; n < count; ++n) {
        size_t offset = static_cast<size_t>(n) * kUserRecordLength;
        UserRecord record = DecodeUserRecord(bytes, offset);
        if (n + 1 != dropped && KeptAt(n, record.UserEmail, TrimmView(record.UserStatus)))
            kept += bytes.substr(offset, kUserRecordLength);
    }
    return kept;
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
    std::string kept = CompactedBytes(ReadWholeFile(path), 0);
    // The work file is the user file's name with ".ddd" for ".dat"; the folder
    // lock keeps any other run from writing it meanwhile.
    std::string workFile = path.substr(0, path.size() - 4) + ".ddd";
    RemoveUserFields();
    WriteFileVia(path, workFile, kept);
}

void StoreAndCompact(const UserRecord& record, int32_t replaced) {
    R().CurrentRoutine = "CompactUserFile";
    std::string path = UserFilePath();
    int64_t length = FileExists(path) ? FileLength(path) : 0;
    // Compaction counts the records with the new one in a 16-bit counter.
    if (RecordCount(length) + 1 > 32767) Fail(kOverflow);
    FileBatch batch;
    std::string bytes = EncodeUserRecord(record);
    bool added = KeptAt(RecordCount(length), record.UserEmail, TrimmView(record.UserStatus));
    // An added player where compaction removes nothing is an append.
    if (replaced == 0 && added && length % kUserRecordLength == 0 && CompactionKeepsAll(length, std::nullopt))
        return CommitWithAddedRecord(batch, record);
    std::string kept = CompactedBytes(FileExists(path) ? ReadWholeFile(path) : "", replaced);
    RemoveUserFields();
    batch.Write(path, added ? kept + bytes : kept);
    batch.Commit();
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
