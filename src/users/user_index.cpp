#include "users/user_index.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "core/files.h"
#include "core/paths.h"
#include "core/text.h"
#include "users/user_stamp.h"

namespace {

constexpr DerivedKind kIndex{{'Z', 'R', 'P', 'U', 'I', 'X', '0', '1'}, sizeof(uint32_t), UserIndexFilePath, false};

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
    // Open for writing too where it may be, for a login's write of its record.
    bool writable = true;
    int fd = open(UserIndexFilePath().c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && errno != ENOENT) {
        writable = false;
        fd = open(UserIndexFilePath().c_str(), O_RDONLY | O_CLOEXEC);
    }
    if (fd < 0) return std::nullopt;
    UserFileStamp h;
    bool valid = DescribesUserFile(kIndex, fd, userFile, h);
    std::vector<int32_t> found;
    // A piece at a time through one buffer on the stack: a large index asks
    // for no fresh memory.
    constexpr uint32_t kPiece = 4096;
    uint32_t piece[kPiece];
    for (uint32_t first = 0; valid && first < h.Count; first += kPiece) {
        uint32_t count = std::min(kPiece, h.Count - first);
        valid = ReadExactly(fd, piece, count * sizeof(uint32_t), EntryOffset(kIndex, first));
        // One search per hash: the entries pass by without a loop over
        // the hashes for each of them.
        for (uint32_t hash : hashes)
            for (uint32_t* at = piece; valid && (at = std::find(at, piece + count, hash)) != piece + count; ++at)
                found.push_back(static_cast<int32_t>(first + static_cast<uint32_t>(at - piece)) + 1);
    }
    if (valid && writable)
        KeepOpenDerivedFile(kIndex, fd, h);
    else
        close(fd);
    if (!valid) return std::nullopt;
    // In record order, each once, whichever hashes it matched.
    if (hashes.size() > 1) {
        std::ranges::sort(found);
        found.erase(std::unique(found.begin(), found.end()), found.end());
    }
    return found;
}

// Written aside and renamed like a data file: a run killed on the way
// leaves only a work file, which the next run removes.
void WriteUserIndex(const struct stat& userFile, const std::vector<uint32_t>& hashes) {
    if (hashes.size() != RecordsOf(userFile)) return;
    UserFileStamp h = StampOf(kIndex, userFile, static_cast<uint32_t>(hashes.size()));
    std::string bytes(reinterpret_cast<const char*>(&h), sizeof h);
    bytes.append(reinterpret_cast<const char*>(hashes.data()), hashes.size() * sizeof(uint32_t));
    try {
        WriteFileAtomic(UserIndexFilePath(), bytes);
    } catch (...) {
        // A cache that cannot be written is rebuilt by a later lookup.
    }
}

void RemoveUserIndex() { RemoveDerivedFile(kIndex); }

UserIndexWrite::UserIndexWrite(int32_t number, uint32_t hash, UserFileStatus& before)
    : DerivedFileWrite(kIndex, number, {reinterpret_cast<const char*>(&hash), sizeof hash}, before) {}
