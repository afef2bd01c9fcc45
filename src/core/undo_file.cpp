#include "core/undo_file.h"

#include <time.h>

#include <charconv>

#include "core/failure.h"
#include "core/file_batch.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"

namespace {

constexpr char kNoFile[] = "-";
constexpr char kNotKept[] = "*";

std::optional<std::string> BytesOf(const std::string& path) {
    if (!FileExists(path)) return std::nullopt;
    return ReadWholeFile(path);
}

// Nanoseconds of the clock: the runs of a pool hold its folder lock in turn,
// so no two changes get the same.
std::string ClockStamp() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return NumText(static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
}

void AddFile(std::string& out, const std::string& path, bool watched, const FileBatch& batch) {
    const std::string& folder = R().DataFolder;
    if (!path.starts_with(folder) || path.size() == folder.size()) Fail(kInvalidCall);
    std::optional<std::string> before = BytesOf(path), after = batch.Read(path);
    if (watched && before == after) return;
    auto length = [](const std::optional<std::string>& bytes) { return bytes ? NumText(bytes->size()) : kNoFile; };
    out += length(before) + " " + (watched ? length(after) : kNotKept) + " " + path.substr(folder.size()) + "\r\n";
    out += before.value_or("") + (watched ? after.value_or("") : "");
}

// The undo file's bytes, read from the start.
class KeptReader {
public:
    explicit KeptReader(const std::string& bytes) : bytes_(bytes) {}
    bool AtEnd() const { return at_ == bytes_.size(); }
    // The next line as count words and the rest after them; false when it
    // is missing or has fewer words.
    bool Line(std::vector<std::string>& words, size_t count) {
        size_t end = bytes_.find("\r\n", at_);
        if (end == std::string::npos) return false;
        std::string line = bytes_.substr(at_, end - at_);
        at_ = end + 2;
        words.clear();
        for (size_t blank; words.size() < count && (blank = line.find(' ')) != std::string::npos;) {
            words.push_back(line.substr(0, blank));
            line.erase(0, blank + 1);
        }
        words.push_back(line);
        return words.size() == count + 1;
    }
    // The bytes a length names; false when they are not there.
    bool Take(const std::string& length, std::optional<std::string>& bytes) {
        if (length == kNoFile || length == kNotKept) return true;
        size_t n = 0;
        auto [end, error] = std::from_chars(length.data(), length.data() + length.size(), n);
        if (error != std::errc() || end != length.data() + length.size() || n > bytes_.size() - at_) return false;
        bytes = bytes_.substr(at_, n);
        at_ += n;
        return true;
    }

private:
    const std::string& bytes_;
    size_t at_ = 0;
};

std::optional<KeptChange> Decode(const std::string& bytes) {
    KeptReader reader(bytes);
    std::vector<std::string> words;
    if (!reader.Line(words, 1)) return std::nullopt;
    KeptChange change{words[0], words[1], {}};
    while (!reader.AtEnd()) {
        // A name is of the data folder itself.
        if (!reader.Line(words, 2) || words[2].empty() || Contains(words[2], "/")) return std::nullopt;
        KeptFile file{words[2], std::nullopt, std::nullopt, words[1] != kNotKept};
        if (!reader.Take(words[0], file.Before) || !reader.Take(words[1], file.After)) return std::nullopt;
        change.Files.push_back(std::move(file));
    }
    return change;
}

}  // namespace

std::string UndoFilePath() { return DataPath(kUndoFileEnd); }

void KeepUndo(FileBatch& batch, const std::string& label, const std::vector<std::string>& watched,
              const std::vector<std::string>& others) {
    std::string out = ClockStamp() + " " + label + "\r\n";
    for (const std::string& path : watched) AddFile(out, path, true, batch);
    for (const std::string& path : others) AddFile(out, path, false, batch);
    batch.Write(UndoFilePath(), std::move(out));
}

std::optional<KeptChange> KeptUndo() {
    std::optional<std::string> bytes = BytesOf(UndoFilePath());
    return bytes ? Decode(*bytes) : std::nullopt;
}

bool StillAsLeft(const KeptChange& change) {
    for (const KeptFile& file : change.Files)
        if (file.Watched && BytesOf(R().DataFolder + file.Name) != file.After) return false;
    return true;
}

void TakeBack(const KeptChange& change, FileBatch& batch) {
    for (const KeptFile& file : change.Files) {
        std::string path = R().DataFolder + file.Name;
        if (file.Before)
            batch.Write(path, *file.Before);
        else
            batch.Delete(path);
    }
    batch.Delete(UndoFilePath());
}
