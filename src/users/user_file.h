// The user file: one record a player, laid out as users/user_record.h says;
// the record's encoding, and every write of the file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/run.h"
#include "users/user_record.h"

class FileBatch;

std::string EncodeUserRecord(const UserRecord& record);
UserRecord DecodeUserRecord(const std::string& bytes, size_t offset = 0);
// A record's fields seen in place in its bytes (its fields at least), blank
// padding and all.
struct UserFieldViews {
    std::string_view Email, Password, RealName, LastAccess, Status;
};
UserFieldViews UserFieldsIn(std::string_view bytes);
// Into a record whose strings are kept: a walk decodes every record into the same one.
void DecodeUserFieldsInto(std::string_view bytes, UserRecord& record);
// A typed value as the field keeps it: trimmed, upper-cased, on one line, cut to its width.
std::string KeptText(const std::string& typed, UserField field);
std::string KeptRealName(const std::string& typed);
// A live record: not marked "DELETE" and with an e-mail.
bool IsListedUser(const UserRecord& record);
// The same test of the two fields trimmed of blanks.
bool IsListedUser(std::string_view email, std::string_view status);

// Every write of the user file keeps the copy of its fields true
// (users/user_fields.h): a record's through UserFieldsWrite, any other by
// removing the copy first.
void WriteUserRecord(int32_t number, const UserRecord& record);
// The record that addrecord adds: the form's e-mail, password, status and
// real name, each trimmed and upper-cased, stamped now.
UserRecord RecordFromForm();
// Commits batch with record added at the end of the user file (numbered in
// UserRecordNumber): one append, the copy of the fields kept true to it.
void CommitWithAddedRecord(FileBatch& batch, const UserRecord& record);
// The form's record added with the batch's other changes (RecordFromForm,
// CommitWithAddedRecord), and in the run's record.
void addrecord(FileBatch& batch);
void updatedrecord();
// everyRecordKept: what a walk of the whole file, just made with nothing
// written since, found of KeptByCompaction; the file is then not walked again.
void CompactUserFile(std::optional<bool> everyRecordKept = std::nullopt);
// Whether compaction keeps the record of that number (from 1).
bool KeptByCompaction(int32_t number, const UserFieldViews& record);
// The administrator's row: record added at the end of the file in place of
// the record replaced (0: none), and the file compacted, as one change: an
// append where compaction removes nothing else, the file made anew otherwise.
void StoreAndCompact(const UserRecord& record, int32_t replaced);
bool UserFileHasOtherUsers();
void LoadAdministrator();
