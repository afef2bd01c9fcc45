#include "users/user_fields.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>

#include "core/files.h"
#include "core/paths.h"
#include "users/user_file.h"
#include "users/user_stamp.h"

namespace {

constexpr DerivedKind kFields{{'Z', 'R', 'P', 'U', 'F', 'D', '0', '1'}, kUserFieldsLength, UserFieldsFilePath, true};
static_assert(kUserFieldsLength <= kUserRecordLength);

}  // namespace

// Mapped whole: the copy of the largest user file is a few MiB, and a walk
// touches every page of it.
UserFieldsCopy::UserFieldsCopy(const struct stat& userFile) {
    int fd = open(UserFieldsFilePath().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    UserFileStamp stamp;
    if (DescribesUserFile(kFields, fd, userFile, stamp)) {
        size_t length = static_cast<size_t>(EntryOffset(kFields, stamp.Count));
        void* map = stamp.Count > 0 ? mmap(nullptr, length, PROT_READ, MAP_PRIVATE, fd, 0) : nullptr;
        valid_ = map != MAP_FAILED;
        if (valid_ && map) {
            map_ = map;
            length_ = length;
        }
        count_ = valid_ ? stamp.Count : 0;
    }
    close(fd);
}

UserFieldsCopy::~UserFieldsCopy() {
    if (map_) munmap(map_, length_);
}

std::string_view UserFieldsCopy::Fields(int32_t number) const {
    return {static_cast<const char*>(map_) + EntryOffset(kFields, static_cast<uint32_t>(number - 1)),
            static_cast<size_t>(kUserFieldsLength)};
}

UserFieldsBuild::UserFieldsBuild(const struct stat& userFile) : userFile_(userFile) {
    bytes_.reserve(static_cast<size_t>(EntryOffset(kFields, RecordsOf(userFile))));
    bytes_.assign(sizeof(UserFileStamp), '\0');  // stamped when whole
}

void UserFieldsBuild::Add(std::string_view record) { bytes_.append(record.substr(0, kUserFieldsLength)); }

// Written aside and renamed like a data file: a run killed on the way
// leaves only a work file, which the next run removes.
void UserFieldsBuild::Done() {
    uint32_t count = RecordsOf(userFile_);
    if (static_cast<int64_t>(bytes_.size()) != EntryOffset(kFields, count)) return;
    UserFileStamp stamp = StampOf(kFields, userFile_, count);
    std::memcpy(bytes_.data(), &stamp, sizeof stamp);
    try {
        WriteFileAtomic(UserFieldsFilePath(), bytes_);
    } catch (...) {
        // A copy that cannot be written is made by a later walk.
    }
}

void RemoveUserFields() { RemoveDerivedFile(kFields); }

UserFieldsWrite::UserFieldsWrite(int32_t number, std::string_view record, UserFileStatus& before)
    : DerivedFileWrite(kFields, number, record.substr(0, kUserFieldsLength), before) {}
