// The head shared by the files derived from the user file (the key index,
// the copy of the fields): the user file's state when the file was made, then
// one entry of fixed width for each record, in record order. A derived file
// counts only while its stamp equals the user file's as fstat sees it.
#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// In the machine's own byte order (a derived file is never carried
// elsewhere: a copied pool has another stamp and makes it anew).
struct UserFileStamp {
    char Magic[8];
    uint64_t Size;
    int64_t ModifiedNs, ChangedNs;
    uint64_t Inode, Device;
    uint32_t Count, Unused;
};
static_assert(sizeof(UserFileStamp) == 56);

// The kind of derived file: its first bytes, the width of an entry, its
// path, and what a record rewritten in place with another entry does to it:
// the entry is taken in, or the file is removed (the key index: the record
// is then found by a walk until the index is made anew).
struct DerivedKind {
    char Magic[8];
    int64_t EntryWidth;
    std::string (*Path)();
    bool TakesChangedEntries;
};

uint32_t RecordsOf(const struct stat& userFile);
UserFileStamp StampOf(const DerivedKind& kind, const struct stat& userFile, uint32_t count);
int64_t EntryOffset(const DerivedKind& kind, uint32_t index);
bool ReadExactly(int fd, void* to, size_t length, int64_t offset);
bool WriteExactly(int fd, const void* from, size_t length, int64_t offset);
// True when the open file fd starts with a stamp of the user file as it is
// now and holds one entry of each whole record; its stamp goes to stamp.
bool DescribesUserFile(const DerivedKind& kind, int fd, const struct stat& userFile, UserFileStamp& stamp);
// Removes the derived file; a missing one is no failure.
void RemoveDerivedFile(const DerivedKind& kind);

// The user file's status as stat sees it at one moment of a write, asked of
// the system once for every derived file that needs it.
class UserFileStatus {
public:
    // nullptr when there is no status to be had.
    const struct stat* Get();

private:
    bool asked_ = false, known_ = false;
    struct stat status_ {};
};

// A derived file that a reader opened for reading and writing and found
// describing the user file, left open for a record write that follows
// before the run writes anything else (FileWritesSoFar): the write then
// neither opens it again nor checks its stamp again.
struct OpenDerivedFile {
    const DerivedKind* Kind = nullptr;
    int Fd = -1;  // closed with it
    uint64_t Writes = 0;
    UserFileStamp Stamp{};
    OpenDerivedFile() = default;
    OpenDerivedFile(const OpenDerivedFile&) = delete;
    OpenDerivedFile& operator=(const OpenDerivedFile&) = delete;
    ~OpenDerivedFile();
};
// Leaves fd (open for reading and writing, its stamp checked) to the run.
void KeepOpenDerivedFile(const DerivedKind& kind, int fd, const UserFileStamp& stamp);

// Keeps a derived file true to one record written in place or added at the
// end. Made before the write: it removes a file that the write would leave
// with a gap, and unstamps one whose entry changes in place, so that a run
// killed during the write leaves a stamp that matches nothing. Written puts
// the entry in and stamps the file with the user file as written; without
// Written (the write failed) the file is removed.
class DerivedFileWrite {
public:
    // before is the user file's status before the write.
    DerivedFileWrite(const DerivedKind& kind, int32_t number, std::string_view entry, UserFileStatus& before);
    ~DerivedFileWrite();
    DerivedFileWrite(const DerivedFileWrite&) = delete;
    DerivedFileWrite& operator=(const DerivedFileWrite&) = delete;
    // after is the user file's status once written.
    void Written(UserFileStatus& after);

private:
    // The file as a reader left it open; false when there is none to take.
    bool TakeOpen(UserFileStamp& stamp);
    void Drop();
    const DerivedKind& kind_;
    std::string entry_;
    int fd_ = -1;
    uint32_t count_ = 0, index_ = 0;
    bool append_ = false, changed_ = false;
};
