// The user file: fixed 1695-byte records, one per player, and the single
// record buffer every read and write passes through.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/run.h"

inline constexpr int64_t kUserRecordLength = 1695;

std::string EncodeUserRecord(const UserRecord& record);
UserRecord DecodeUserRecord(const std::string& bytes, size_t offset = 0);
void WriteUserRecord(int32_t number, const UserRecord& record);
// Calls visit(number, record) for each whole record in file order until it
// answers false; reads the file in blocks, so a lookup that matches early
// reads little of a large file.
void ForEachUserRecord(const std::function<bool(int32_t, const UserRecord&)>& visit);
// A record's fields seen in place in its bytes, blank padding and all.
struct UserFieldViews {
    std::string_view Email, Password, RealName, LastAccess, Status;
};
// The same walk with nothing copied: the fields are valid during the call
// only. Answers the number of the last record visited (0 when none).
int32_t ForEachUserFields(const std::function<bool(int32_t, const UserFieldViews&)>& visit);
// The record of that number (from 1), which the file holds whole.
UserRecord ReadUserRecord(int32_t number);

// "NOUSERFILEYET", "YES", "MAYBE", "PASSWORD ERROR" or "". A lookup by
// e-mail reads only the records that the key index (users/user_index.h)
// names, and the whole file when none of them answers.
std::string getrecord(const std::string& mode);
void addrecord();
void updatedrecord();
// everyRecordKept: what a walk of the whole file, just made with nothing
// written since, found of KeptByCompaction; the file is then not walked again.
void CompactUserFile(std::optional<bool> everyRecordKept = std::nullopt);
// Whether compaction keeps the record of that number (from 1).
bool KeptByCompaction(int32_t number, const UserFieldViews& record);
// Makes change (records written in place or added) and compacts the file;
// when either fails the file is put back as it was, so that the error page
// does not hide a stored change. The restore needs no room on the disk.
void ChangeAndCompactUserFile(const std::function<void()>& change);
bool UserFileHasOtherUsers();
void LoadAdministrator();
// A typed real name as a record keeps it: trimmed, upper-cased, cut to its width.
std::string KeptRealName(const std::string& typed);
// A live record: not marked "DELETE" and with an e-mail.
bool IsListedUser(const UserRecord& record);
// The same test of the two fields trimmed of blanks.
bool IsListedUser(std::string_view email, std::string_view status);
