#include "core/folder_listings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
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

template <class Number>
void AppendNumber(std::string& out, Number number) {
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

void AppendTime(std::string& out, const timespec& t) {
    AppendNumber(out, t.tv_sec);
    out += '.';
    AppendNumber(out, t.tv_nsec);
}

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
    std::string stamp;
    stamp.reserve(64);
    AppendNumber(stamp, st.st_dev);
    stamp += ':';
    AppendNumber(stamp, st.st_ino);
    stamp += ':';
    AppendTime(stamp, st.st_mtim);
    stamp += ':';
    AppendTime(stamp, st.st_ctim);
    return stamp;
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

// Takes the next field off the front of bytes; false where none is ended.
bool NextField(std::string_view& bytes, std::string_view& field) {
    size_t end = bytes.find('\0');
    if (end == std::string_view::npos) return false;
    field = bytes.substr(0, end);
    bytes.remove_prefix(end + 1);
    return true;
}

bool NextNames(std::string_view& bytes, size_t count, std::vector<std::string_view>& names) {
    names.clear();
    if (count > bytes.size()) return false;  // each name takes a byte at least
    names.reserve(count);
    for (std::string_view name; names.size() < count; names.push_back(name))
        if (!NextField(bytes, name)) return false;
    return true;
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

// Each kept folder: its path, stamp, numbers of files and unsure names, then
// the names. All or nothing: a file that is not whole gives no listing.
void ParseKept(std::string_view bytes, std::map<std::string, KeptListing>& listings) {
    std::string_view header, checksum;
    if (!NextField(bytes, header) || header != kHeader || !NextField(bytes, checksum) || checksum != Checksum(bytes))
        return;
    std::map<std::string, KeptListing> parsed;
    while (!bytes.empty()) {
        std::string_view folder, stamp, files, unsure;
        size_t fileCount = 0, unsureCount = 0;
        if (!NextField(bytes, folder) || !NextField(bytes, stamp) || !NextField(bytes, files) ||
            !NextField(bytes, unsure) || !ParseCount(files, fileCount) || !ParseCount(unsure, unsureCount))
            return;
        KeptListing& kept = parsed[std::string(folder)];
        kept.Stamp = stamp;
        if (!NextNames(bytes, fileCount, kept.Files) || !NextNames(bytes, unsureCount, kept.Unsure)) return;
    }
    listings = std::move(parsed);
}

std::vector<std::string> Owned(const std::vector<std::string_view>& names) { return {names.begin(), names.end()}; }
std::vector<std::string_view> Views(const std::vector<std::string>& names) { return {names.begin(), names.end()}; }

std::map<std::string, KeptListing>& KeptListings() {
    Run& r = R();
    if (!r.FolderListingsRead) {
        r.FolderListingsRead = true;
        r.FolderListingsBytes = ReadKeptBytes(FolderListingsFilePath());
        ParseKept(r.FolderListingsBytes, r.FolderListings);
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
        return FolderFiles(folder, Owned(kept->second.Files), Owned(kept->second.Unsure));
    }
    FolderFiles listed(folder);
    // Kept only when nothing changed the folder while it was listed.
    if (!stamp.empty() && settled && FolderStamp(folder, settledAfter) == stamp) {
        auto kept = std::make_shared<const FolderFiles>(listed);
        listings[folder] = KeptListing{stamp, Views(kept->Files()), Views(kept->Unsure()), kept, true};
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
        for (std::string_view name : kept.Files) AddField(body, name);
        for (std::string_view name : kept.Unsure) AddField(body, name);
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
