#include "users/user_stamp.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
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

void RemoveDerivedFile(const DerivedKind& kind) {
    unlink(kind.Path().c_str());
}

const struct stat* UserFileStatus::Get() {
    if (!std::exchange(asked_, true)) known_ = stat(UserFilePath().c_str(), &status_) == 0;
    return known_ ? &status_ : nullptr;
}

OpenDerivedFile::~OpenDerivedFile() {
    if (Fd >= 0) close(Fd);
}

void KeepOpenDerivedFile(const DerivedKind& kind, int fd, const UserFileStamp& stamp) {
    auto open = std::make_shared<OpenDerivedFile>();
    open->Kind = &kind;
    open->Fd = fd;
    open->Writes = FileWritesSoFar();
    open->Stamp = stamp;
    R().DerivedFileOpen = std::move(open);
}

bool DerivedFileWrite::TakeOpen(UserFileStamp& stamp) {
    std::shared_ptr<OpenDerivedFile> open = std::exchange(R().DerivedFileOpen, nullptr);
    if (!open || open->Kind != &kind_ || open->Writes != FileWritesSoFar()) return false;
    fd_ = std::exchange(open->Fd, -1);
    stamp = open->Stamp;
    return true;
}

DerivedFileWrite::DerivedFileWrite(const DerivedKind& kind, int32_t number, std::string_view entry,
                                   UserFileStatus& before)
    : kind_(kind), entry_(entry) {
    UserFileStamp stamp;
    bool taken = TakeOpen(stamp);
    if (!taken) fd_ = open(kind.Path().c_str(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0) {
        // One that cannot be opened for writing must not outlive the change.
        if (errno != ENOENT) RemoveDerivedFile(kind);
        return;
    }
    const struct stat* userFile = taken ? nullptr : before.Get();
    bool valid = number >= 1 && (taken || (userFile && DescribesUserFile(kind, fd_, *userFile, stamp))) &&
                 static_cast<uint32_t>(number) <= stamp.Count + 1;
    count_ = valid ? stamp.Count : 0;
    index_ = valid ? static_cast<uint32_t>(number) - 1 : 0;
    append_ = valid && index_ == count_;
    if (valid && !append_) {
        std::string stored(entry_.size(), '\0');
        valid = ReadExactly(fd_, stored.data(), stored.size(), EntryOffset(kind, index_));
        changed_ = entry_ != stored;
        if (valid && changed_) valid = kind.TakesChangedEntries && WriteExactly(fd_, "", 1, 0);
    }
    if (!valid) Drop();
}

DerivedFileWrite::~DerivedFileWrite() {
    if (fd_ >= 0) Drop();
}

// The entry goes in first and the stamp last: a run killed between the two
// leaves a stamp that no longer matches.
void DerivedFileWrite::Written(UserFileStatus& after) {
    if (fd_ < 0) return;
    const struct stat* userFile = after.Get();
    uint32_t count = count_ + (append_ ? 1 : 0);
    if (!userFile || RecordsOf(*userFile) != count ||
        ((append_ || changed_) && !WriteExactly(fd_, entry_.data(), entry_.size(), EntryOffset(kind_, index_))))
        return Drop();
    UserFileStamp stamp = StampOf(kind_, *userFile, count);
    if (!WriteExactly(fd_, &stamp, sizeof stamp, 0)) return Drop();
    close(fd_);
    fd_ = -1;
}

void DerivedFileWrite::Drop() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    RemoveDerivedFile(kind_);
}
