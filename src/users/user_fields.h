// The copy of the fields: the one file derived from the user file, holding
// the field bytes of each record (kUserFieldsLength of them) after a stamp
// of the user file's state, so that a walk of every record reads a few pages
// instead of the whole file. It counts only while its stamp equals the user
// file's as fstat sees it (length, change times, file number); every writer
// of the user file keeps it so or removes it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Calls visit(number, fields) with the field bytes of each whole record of
// the user file in order (numbered from 1) until it answers false: from the
// copy when it describes the file, else from the file itself. With making,
// a walk of the file reads on to its end to write the copy anew; a copy that
// cannot be written never fails the run.
void ForEachUserFieldBytes(bool making, const std::function<bool(int32_t, std::string_view)>& visit);

// Before a rewrite of the user file that the copy cannot follow.
void RemoveUserFields();

// Keeps the copy true to one record written in place or added at the end
// (or the first record of a new user file). Made before the write: it
// removes a copy that the write would leave with a gap, and unstamps one
// whose entry changes, so that a run killed during the write leaves a stamp
// that matches nothing. Written puts the entry in and then the stamp of the
// user file as written; without Written (the write failed) the copy goes.
class UserFieldsWrite {
public:
    // record: the record's bytes as they are written at number (from 1).
    UserFieldsWrite(int32_t number, std::string_view record);
    ~UserFieldsWrite();
    UserFieldsWrite(const UserFieldsWrite&) = delete;
    UserFieldsWrite& operator=(const UserFieldsWrite&) = delete;
    void Written();

private:
    void Drop();
    std::string entry_;
    int fd_ = -1;
    uint32_t count_ = 0, index_ = 0;
    bool append_ = false, changed_ = false;
};
