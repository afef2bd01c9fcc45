// The head shared by the files derived from the user file (the key index,
// the copy of the fields): the user file's state when the file was made, then
// one entry of fixed width for each record, in record order. A derived file
// counts only while its stamp equals the user file's as fstat sees it.
#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>

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

// The kind of derived file: its first bytes and the width of an entry.
struct DerivedKind {
    char Magic[8];
    int64_t EntryWidth;
};

uint32_t RecordsOf(const struct stat& userFile);
UserFileStamp StampOf(const DerivedKind& kind, const struct stat& userFile, uint32_t count);
int64_t EntryOffset(const DerivedKind& kind, uint32_t index);
bool ReadExactly(int fd, void* to, size_t length, int64_t offset);
bool WriteExactly(int fd, const void* from, size_t length, int64_t offset);
// True when the open file fd starts with a stamp of the user file as it is
// now and holds one entry of each whole record; its stamp goes to stamp.
bool DescribesUserFile(const DerivedKind& kind, int fd, const struct stat& userFile, UserFileStamp& stamp);
