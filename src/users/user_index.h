// A derived file beside the user file: one hash of each record's e-mail key,
// in record order, so that a login reads only the records that may hold its
// address instead of the whole file. It is a cache: it counts only while its
// stamp equals the user file's (length, change times, file number), and every
// writer of the user file keeps it so or removes it.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "users/user_stamp.h"

// The hash of a stored field as MatchesNameKey compares it: trimmed of
// blanks, upper-cased bytes.
uint32_t NameKeyHash(std::string_view field);
// The hash of a key as it is (already trimmed and upper-cased).
uint32_t KeyHash(std::string_view key);

// The numbers (from 1) of the records whose hash is one of hashes, in file
// order; nothing when the index does not describe the user file as fstat
// sees it (missing, cut short, another stamp).
std::optional<std::vector<int32_t>> IndexedUserRecords(const struct stat& userFile,
                                                       const std::vector<uint32_t>& hashes);
// Writes a fresh index of every record's hash for the user file as fstat
// sees it. A failure (a full disk) leaves no index and no work file; it
// never fails the run.
void WriteUserIndex(const struct stat& userFile, const std::vector<uint32_t>& hashes);
void RemoveUserIndex();

// Keeps the index true to one record written in place or added at the end
// (see DerivedFileWrite); a record that takes another key in place removes it.
class UserIndexWrite : public DerivedFileWrite {
public:
    UserIndexWrite(int32_t number, uint32_t hash, UserFileStatus& before);
};
