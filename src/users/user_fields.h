// A derived file beside the user file: the field bytes of each record (its
// first 195 bytes; zeros follow them), so that a walk of every record reads
// a few pages instead of the whole file. Kept like the key index
// (users/user_index.h): it counts only while its stamp equals the user
// file's, and every writer of the user file keeps it so or removes it.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "users/user_stamp.h"

inline constexpr int64_t kUserFieldsLength = 195;

// The copy opened and seen in place; not Valid when it is missing or does
// not describe the user file as fstat sees it.
class UserFieldsCopy {
public:
    explicit UserFieldsCopy(const struct stat& userFile);
    ~UserFieldsCopy();
    UserFieldsCopy(const UserFieldsCopy&) = delete;
    UserFieldsCopy& operator=(const UserFieldsCopy&) = delete;
    bool Valid() const { return valid_; }
    uint32_t Count() const { return count_; }
    // The fields of record number (from 1 to Count).
    std::string_view Fields(int32_t number) const;

private:
    void* map_ = nullptr;
    size_t length_ = 0;
    uint32_t count_ = 0;
    bool valid_ = false;
};

// A fresh copy made from a walk of the whole user file, one record's fields
// after another; Done writes it when it holds every record. A failure (a
// full disk) leaves no copy and no work file; it never fails the run.
class UserFieldsBuild {
public:
    explicit UserFieldsBuild(const struct stat& userFile);
    void Add(std::string_view record);
    void Done();

private:
    struct stat userFile_;
    std::string bytes_;
};

void RemoveUserFields();

// Keeps the copy true to one record written in place or added at the end
// (see DerivedFileWrite); record is the record's bytes as written.
class UserFieldsWrite : public DerivedFileWrite {
public:
    UserFieldsWrite(int32_t number, std::string_view record, UserFileStatus& before);
};
