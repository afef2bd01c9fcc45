#include "users/user_index.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "core/files.h"
#include "core/paths.h"
#include "core/text.h"
#include "users/user_file.h"

namespace {

// The index's first bytes, in the machine's own byte order (the index is
// never carried elsewhere: a copied pool has another stamp and rebuilds it).
struct Header {
    char Magic[8];
    uint64_t Size;
    int64_t ModifiedNs, ChangedNs;
    uint64_t Inode, Device;
    uint32_t Count, Unused;
};
static_assert(sizeof(Header) == 56);
constexpr char kMagic[8] = {'Z', 'R', 'P', 'U', 'I', 'X', '0', '1'};
constexpr int64_t kHashSize = sizeof(uint32_t);

int64_t Nanoseconds(const timespec& t) { return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec; }

uint32_t RecordsOf(const struct stat& userFile) {
    return static_cast<uint32_t>(userFile.st_size / kUserRecordLength);
}

Header HeaderOf(const struct stat& userFile, uint32_t count) {
    Header h{};
    std::memcpy(h.Magic, kMagic, sizeof kMagic);
    h.Size = static_cast<uint64_t>(userFile.st_size);
    h.ModifiedNs = Nanoseconds(userFile.st_mtim);
    h.ChangedNs = Nanoseconds(userFile.st_ctim);
    h.Inode = userFile.st_ino;
    h.Device = userFile.st_dev;
    h.Count = count;
    return h;
}

// True when an index of indexLength bytes that starts with h holds one hash
// of each whole record of the user file as it is now.
bool Describes(const Header& h, int64_t indexLength, const struct stat& userFile) {
    Header now = HeaderOf(userFile, RecordsOf(userFile));
    return std::memcmp(&h, &now, sizeof h) == 0 &&
           indexLength == static_cast<int64_t>(sizeof(Header)) + kHashSize * h.Count;
}

int64_t HashOffset(uint32_t index) { return static_cast<int64_t>(sizeof(Header)) + kHashSize * index; }

bool ReadExactly(int fd, void* to, size_t length, int64_t offset) {
    return pread(fd, to, length, offset) == static_cast<ssize_t>(length);
}

bool WriteExactly(int fd, const void* from, size_t length, int64_t offset) {
    return pwrite(fd, from, length, offset) == static_cast<ssize_t>(length);
}

template <typename Byte>
uint32_t Fnv1a(std::string_view text, Byte byte) {
    uint32_t hash = 2166136261u;
    for (char c : text) hash = (hash ^ byte(static_cast<unsigned char>(c))) * 16777619u;
    return hash;
}

}  // namespace

uint32_t NameKeyHash(std::string_view field) {
    size_t begin = field.find_first_not_of(' ');
    if (begin == std::string_view::npos) return KeyHash("");
    field = field.substr(begin, field.find_last_not_of(' ') + 1 - begin);
    return Fnv1a(field, UpperByte);
}

uint32_t KeyHash(std::string_view key) {
    return Fnv1a(key, [](unsigned char c) { return c; });
}

std::optional<std::vector<int32_t>> IndexedUserRecords(const struct stat& userFile,
                                                       const std::vector<uint32_t>& hashes) {
    int fd = open(UserIndexFilePath().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat self;
    Header h;
    bool valid = fstat(fd, &self) == 0 && ReadExactly(fd, &h, sizeof h, 0) && Describes(h, self.st_size, userFile);
    std::vector<int32_t> found;
    // A piece at a time through one buffer on the stack: a large index asks
    // for no fresh memory.
    constexpr uint32_t kPiece = 4096;
    uint32_t piece[kPiece];
    for (uint32_t first = 0; valid && first < h.Count; first += kPiece) {
        uint32_t count = std::min(kPiece, h.Count - first);
        valid = ReadExactly(fd, piece, count * kHashSize, HashOffset(first));
        for (uint32_t i = 0; valid && i < count; ++i)
            if (std::ranges::find(hashes, piece[i]) != hashes.end()) found.push_back(static_cast<int32_t>(first + i) + 1);
    }
    close(fd);
    if (!valid) return std::nullopt;
    return found;
}

// Written aside and renamed like a data file: a run killed on the way
// leaves only a work file, which the next run removes.
void WriteUserIndex(const struct stat& userFile, const std::vector<uint32_t>& hashes) {
    if (hashes.size() != RecordsOf(userFile)) return;
    Header h = HeaderOf(userFile, static_cast<uint32_t>(hashes.size()));
    std::string bytes(reinterpret_cast<const char*>(&h), sizeof h);
    bytes.append(reinterpret_cast<const char*>(hashes.data()), hashes.size() * kHashSize);
    try {
        WriteFileAtomic(UserIndexFilePath(), bytes);
    } catch (...) {
        // A cache that cannot be written is rebuilt by a later lookup.
    }
}

void RemoveUserIndex() {
    DataFolderNamesChange();
    unlink(UserIndexFilePath().c_str());
}

UserIndexWrite::UserIndexWrite(int32_t number, uint32_t hash) : hash_(hash) {
    fd_ = open(UserIndexFilePath().c_str(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0) {
        // One that cannot be opened for writing must not outlive the change.
        if (errno != ENOENT) RemoveUserIndex();
        return;
    }
    struct stat userFile, self;
    Header h;
    bool valid = stat(UserFilePath().c_str(), &userFile) == 0 && fstat(fd_, &self) == 0 &&
                 ReadExactly(fd_, &h, sizeof h, 0) && Describes(h, self.st_size, userFile) && number >= 1;
    count_ = valid ? h.Count : 0;
    append_ = valid && static_cast<uint32_t>(number) == count_ + 1;
    if (valid && !append_) {
        uint32_t stored = 0;
        // A record that takes another key in place is looked up by a walk
        // until the index is rebuilt.
        valid = static_cast<uint32_t>(number) <= count_ &&
                ReadExactly(fd_, &stored, sizeof stored, HashOffset(static_cast<uint32_t>(number) - 1)) &&
                stored == hash;
    }
    if (!valid) Drop();
}

UserIndexWrite::~UserIndexWrite() {
    if (fd_ >= 0) Drop();
}

// The hash goes in first and the stamp last: a run killed between the two
// leaves a stamp that no longer matches.
void UserIndexWrite::Written() {
    if (fd_ < 0) return;
    struct stat userFile;
    uint32_t count = count_ + (append_ ? 1 : 0);
    if (stat(UserFilePath().c_str(), &userFile) != 0 || RecordsOf(userFile) != count ||
        (append_ && !WriteExactly(fd_, &hash_, sizeof hash_, HashOffset(count_))))
        return Drop();
    Header h = HeaderOf(userFile, count);
    if (!WriteExactly(fd_, &h, sizeof h, 0)) return Drop();
    close(fd_);
    fd_ = -1;
}

void UserIndexWrite::Drop() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    RemoveUserIndex();
}
