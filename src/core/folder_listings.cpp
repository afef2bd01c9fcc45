#include "core/folder_listings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <ctime>
#include <string_view>

#include "core/paths.h"
#include "core/run.h"

namespace {

constexpr std::string_view kHeader = "ZRP folder listings 1";

// Names hold neither "/" nor NUL: the kept file is fields ended by NUL.
void AddField(std::string& out, std::string_view field) {
    out.append(field);
    out += '\0';
}

std::string Checksum(std::string_view bytes) {
    uint64_t hash = 14695981039346656037ULL;
    for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ULL;
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4) text[static_cast<size_t>(i)] = kDigits[hash & 15];
    return text;
}

std::string Stamped(const timespec& t) { return std::to_string(t.tv_sec) + "." + std::to_string(t.tv_nsec); }

// "" without the folder. settled tells whether its last change is more than
// a second old: a change within the same clock tick as the one before it
// may leave the times as they were, so only such a folder's listing is kept.
std::string FolderStamp(const std::string& folder, bool& settled) {
    struct stat st;
    if (stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return "";
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    int64_t age = (static_cast<int64_t>(now.tv_sec) - st.st_ctim.tv_sec) * 1000000000LL + now.tv_nsec -
                  st.st_ctim.tv_nsec;
    settled = age > 1000000000LL;
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" + Stamped(st.st_mtim) + ":" +
           Stamped(st.st_ctim);
}

std::string ReadKeptBytes(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return "";
    std::string bytes;
    struct stat st;
    if (fstat(fd, &st) == 0 && st.st_size > 0 && st.st_size < (16 << 20)) {
        bytes.resize(static_cast<size_t>(st.st_size));
        if (pread(fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) bytes.clear();
    }
    close(fd);
    return bytes;
}

// The fields of the kept file, or none when it is not whole.
std::vector<std::string_view> KeptFields(std::string_view bytes) {
    std::vector<std::string_view> fields;
    while (!bytes.empty()) {
        size_t end = bytes.find('\0');
        if (end == std::string_view::npos) return {};
        fields.push_back(bytes.substr(0, end));
        bytes.remove_prefix(end + 1);
    }
    return fields;
}

bool ParseCount(std::string_view text, size_t& count) {
    if (text.empty() || text.size() > 9) return false;
    count = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        count = count * 10 + static_cast<size_t>(c - '0');
    }
    return true;
}

// Each kept folder: its path, stamp, numbers of files and unsure names, then the names.
void ParseKept(const std::string& bytes, std::map<std::string, KeptListing>& listings) {
    std::vector<std::string_view> fields = KeptFields(bytes);
    if (fields.size() < 2 || fields[0] != kHeader) return;
    std::string_view body = std::string_view(bytes).substr(fields[0].size() + fields[1].size() + 2);
    if (fields[1] != Checksum(body)) return;
    std::map<std::string, KeptListing> parsed;
    for (size_t at = 2; at < fields.size();) {
        size_t files = 0, unsure = 0;
        if (at + 4 > fields.size() || !ParseCount(fields[at + 2], files) || !ParseCount(fields[at + 3], unsure) ||
            at + 4 + files + unsure > fields.size())
            return;
        KeptListing& kept = parsed[std::string(fields[at])];
        kept.Stamp = fields[at + 1];
        at += 4;
        kept.Files.assign(fields.begin() + static_cast<ptrdiff_t>(at),
                          fields.begin() + static_cast<ptrdiff_t>(at + files));
        at += files;
        kept.Unsure.assign(fields.begin() + static_cast<ptrdiff_t>(at),
                           fields.begin() + static_cast<ptrdiff_t>(at + unsure));
        at += unsure;
    }
    listings = std::move(parsed);
}

std::map<std::string, KeptListing>& KeptListings() {
    Run& r = R();
    if (!r.FolderListingsRead) {
        r.FolderListingsRead = true;
        ParseKept(ReadKeptBytes(FolderListingsFilePath()), r.FolderListings);
    }
    return r.FolderListings;
}

}  // namespace

FolderFiles ListedFolder(const std::string& folder) {
    std::map<std::string, KeptListing>& listings = KeptListings();
    bool settled = false, settledAfter = false;
    std::string stamp = FolderStamp(folder, settled);
    auto kept = listings.find(folder);
    if (!stamp.empty() && kept != listings.end() && kept->second.Stamp == stamp) {
        kept->second.Used = true;
        return FolderFiles(folder, kept->second.Files, kept->second.Unsure);
    }
    FolderFiles listed(folder);
    // Kept only when nothing changed the folder while it was listed.
    if (!stamp.empty() && settled && FolderStamp(folder, settledAfter) == stamp) {
        listings[folder] = KeptListing{stamp, listed.Files(), listed.Unsure(), true};
        R().FolderListingsChanged = true;
    }
    return listed;
}

void KeepFolderListings() {
    Run& r = R();
    if (!r.FolderListingsChanged) return;
    r.FolderListingsChanged = false;
    std::string body;
    for (const auto& [folder, kept] : r.FolderListings) {
        if (!kept.Used) continue;
        AddField(body, folder);
        AddField(body, kept.Stamp);
        AddField(body, std::to_string(kept.Files.size()));
        AddField(body, std::to_string(kept.Unsure.size()));
        for (const std::string& name : kept.Files) AddField(body, name);
        for (const std::string& name : kept.Unsure) AddField(body, name);
    }
    std::string bytes;
    AddField(bytes, kHeader);
    AddField(bytes, Checksum(body));
    bytes += body;
    // In place, so that the data folder itself does not change; a torn
    // write fails the checksum.
    if (!FileExists(FolderListingsFilePath())) DataFolderNamesChange();
    int fd = open(FolderListingsFilePath().c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return;
    if (pwrite(fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()) &&
        ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) {
        // A longer copy before stays behind it and fails the checksum.
    }
    close(fd);
}
