#include "users/user_stamp.h"

#include <unistd.h>

#include <cstring>

#include "users/user_file.h"

namespace {

int64_t Nanoseconds(const timespec& t) { return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec; }

}  // namespace

uint32_t RecordsOf(const struct stat& userFile) {
    return static_cast<uint32_t>(userFile.st_size / kUserRecordLength);
}

UserFileStamp StampOf(const DerivedKind& kind, const struct stat& userFile, uint32_t count) {
    UserFileStamp h{};
    std::memcpy(h.Magic, kind.Magic, sizeof h.Magic);
    h.Size = static_cast<uint64_t>(userFile.st_size);
    h.ModifiedNs = Nanoseconds(userFile.st_mtim);
    h.ChangedNs = Nanoseconds(userFile.st_ctim);
    h.Inode = userFile.st_ino;
    h.Device = userFile.st_dev;
    h.Count = count;
    return h;
}

int64_t EntryOffset(const DerivedKind& kind, uint32_t index) {
    return static_cast<int64_t>(sizeof(UserFileStamp)) + kind.EntryWidth * index;
}

bool ReadExactly(int fd, void* to, size_t length, int64_t offset) {
    return pread(fd, to, length, offset) == static_cast<ssize_t>(length);
}

bool WriteExactly(int fd, const void* from, size_t length, int64_t offset) {
    return pwrite(fd, from, length, offset) == static_cast<ssize_t>(length);
}

bool DescribesUserFile(const DerivedKind& kind, int fd, const struct stat& userFile, UserFileStamp& stamp) {
    struct stat self;
    if (fstat(fd, &self) != 0 || !ReadExactly(fd, &stamp, sizeof stamp, 0)) return false;
    UserFileStamp now = StampOf(kind, userFile, RecordsOf(userFile));
    return std::memcmp(&stamp, &now, sizeof stamp) == 0 && self.st_size == EntryOffset(kind, stamp.Count);
}
