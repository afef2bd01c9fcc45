#include "users/user_fields.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/files.h"
#include "core/paths.h"
#include "users/user_record.h"

namespace {

// The user file's state when the copy was made, in the machine's own byte
// order (the copy is never carried elsewhere: a copied pool has another
// stamp and makes it anew).
struct Stamp {
    char Magic[8];
    uint64_t Size;
    int64_t ModifiedNs, ChangedNs;
    uint64_t Inode, Device;
    uint32_t Count, Unused;
};
static_assert(sizeof(Stamp) == 56);

int64_t Nanoseconds(const timespec& t) { return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec; }

uint32_t RecordsOf(const struct stat& users) { return static_cast<uint32_t>(users.st_size / kUserRecordLength); }

Stamp StampOf(const struct stat& users, uint32_t count) {
    Stamp s{};
    std::memcpy(s.Magic, "ZRPUFD01", sizeof s.Magic);
    s.Size = static_cast<uint64_t>(users.st_size);
    s.ModifiedNs = Nanoseconds(users.st_mtim);
    s.ChangedNs = Nanoseconds(users.st_ctim);
    s.Inode = users.st_ino;
    s.Device = users.st_dev;
    s.Count = count;
    return s;
}

int64_t EntryOffset(uint32_t index) { return static_cast<int64_t>(sizeof(Stamp)) + kUserFieldsLength * index; }

bool ReadExactly(int fd, void* to, size_t length, int64_t offset) {
    return pread(fd, to, length, offset) == static_cast<ssize_t>(length);
}

bool WriteExactly(int fd, const void* from, size_t length, int64_t offset) {
    return pwrite(fd, from, length, offset) == static_cast<ssize_t>(length);
}

// True when a copy of that length starting with stamp describes the user
// file as it is now: its stamp, and one entry of each whole record.
bool Describes(const Stamp& stamp, int64_t copyLength, const struct stat& users) {
    Stamp now = StampOf(users, RecordsOf(users));
    return std::memcmp(&stamp, &now, sizeof stamp) == 0 && copyLength == EntryOffset(stamp.Count);
}

// Walks the copy when it describes the user file; false without such a copy.
// It is read a block of entries at a time into one buffer: the copy of the
// largest user file is a few MiB, and a walk passes over every entry before
// the player's, which costs less copied block by block than mapped whole.
bool WalkCopy(const struct stat& users, const std::function<bool(int32_t, std::string_view)>& visit) {
    if (!FileExists(UserFieldsFilePath())) return false;
    FileRanges copy(UserFieldsFilePath());
    Stamp stamp;
    std::string block;
    copy.Read(0, sizeof stamp, block);
    if (block.size() < sizeof stamp) return false;
    std::memcpy(&stamp, block.data(), sizeof stamp);
    if (!Describes(stamp, copy.Length(), users)) return false;
    constexpr uint32_t kBlockEntries = 336;  // about 64 KiB
    for (uint32_t first = 0; first < stamp.Count; first += kBlockEntries) {
        uint32_t count = std::min(kBlockEntries, stamp.Count - first);
        copy.Read(EntryOffset(first), int64_t{kUserFieldsLength} * count, block);
        std::string_view entries = block;
        for (uint32_t i = 0; i < count && (i + 1) * kUserFieldsLength <= entries.size(); ++i)
            if (!visit(static_cast<int32_t>(first + i + 1), entries.substr(i * kUserFieldsLength, kUserFieldsLength)))
                return true;
    }
    return true;
}

// Written aside and renamed like a data file: a run killed on the way
// leaves only a work file, which the next run removes.
void WriteCopy(const struct stat& users, uint32_t count, std::string& bytes) {
    Stamp stamp = StampOf(users, count);
    std::memcpy(bytes.data(), &stamp, sizeof stamp);
    try {
        WriteFileAtomic(UserFieldsFilePath(), bytes);
    } catch (...) {
        // A copy that cannot be written is made by a later walk.
    }
}

}  // namespace

void ForEachUserFieldBytes(bool making, const std::function<bool(int32_t, std::string_view)>& visit) {
    if (!FileExists(UserFilePath())) return;
    FileRanges file(UserFilePath());
    struct stat users = file.Status();
    if (WalkCopy(users, visit)) return;
    std::string_view records = file.ViewWhole();
    uint32_t count = std::min(RecordsOf(users), static_cast<uint32_t>(records.size() / kUserRecordLength));
    std::string copy;
    if (making) {
        copy.reserve(static_cast<size_t>(EntryOffset(count)));
        copy.assign(sizeof(Stamp), '\0');  // stamped when whole
    }
    bool visiting = true;
    for (uint32_t index = 0; index < count && (visiting || making); ++index) {
        std::string_view fields = records.substr(index * kUserRecordLength, kUserFieldsLength);
        if (making) copy.append(fields);
        visiting = visiting && visit(static_cast<int32_t>(index + 1), fields);
    }
    if (making) WriteCopy(users, count, copy);
}

void RemoveUserFields() {
    unlink(UserFieldsFilePath().c_str());
}

UserFieldsWrite::UserFieldsWrite(int32_t number, std::string_view record)
    : entry_(record.substr(0, kUserFieldsLength)) {
    fd_ = open(UserFieldsFilePath().c_str(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0) {
        // One that cannot be opened for writing must not outlive the change.
        if (errno != ENOENT) RemoveUserFields();
        return;
    }
    struct stat users, self;
    Stamp stamp;
    bool valid = number >= 1 && stat(UserFilePath().c_str(), &users) == 0 && fstat(fd_, &self) == 0 &&
                 ReadExactly(fd_, &stamp, sizeof stamp, 0) && Describes(stamp, self.st_size, users) &&
                 static_cast<uint32_t>(number) <= stamp.Count + 1;
    count_ = valid ? stamp.Count : 0;
    index_ = valid ? static_cast<uint32_t>(number) - 1 : 0;
    append_ = valid && index_ == count_;
    if (valid && !append_) {
        std::string stored(entry_.size(), '\0');
        valid = ReadExactly(fd_, stored.data(), stored.size(), EntryOffset(index_));
        changed_ = entry_ != stored;
        if (valid && changed_) valid = WriteExactly(fd_, "", 1, 0);  // unstamped until the entry is in
    }
    if (!valid) Drop();
}

UserFieldsWrite::~UserFieldsWrite() {
    if (fd_ >= 0) Drop();
}

// The entry goes in first and the stamp last: a run killed between the two
// leaves a stamp that no longer matches.
void UserFieldsWrite::Written() {
    if (fd_ < 0) return;
    struct stat users;
    uint32_t count = count_ + (append_ ? 1 : 0);
    if (stat(UserFilePath().c_str(), &users) != 0 || RecordsOf(users) != count ||
        ((append_ || changed_) && !WriteExactly(fd_, entry_.data(), entry_.size(), EntryOffset(index_))))
        return Drop();
    Stamp stamp = StampOf(users, count);
    if (!WriteExactly(fd_, &stamp, sizeof stamp, 0)) return Drop();
    close(fd_);
    fd_ = -1;
}

void UserFieldsWrite::Drop() {
    close(fd_);
    fd_ = -1;
    RemoveUserFields();
}
