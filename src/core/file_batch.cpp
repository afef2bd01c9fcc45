#include "core/file_batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <set>
#include <vector>

#include "core/failure.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"

namespace {

constexpr char kReplace[] = "replace ";
constexpr char kAppend[] = "append ";
constexpr char kDelete[] = "delete ";
constexpr char kMove[] = "move ";

// One line of the journal, its file's path in full (of a move, the path in
// the folder it goes to).
struct JournalEntry {
    enum Kind { kReplace, kAppend, kDelete, kMove, kUnknown } What = kUnknown;
    std::string Path;
    int64_t At = 0;  // of an append
};

JournalEntry ParseJournalLine(const std::string& line) {
    const std::string& folder = R().DataFolder;
    if (line.starts_with(kReplace)) return {JournalEntry::kReplace, folder + line.substr(sizeof kReplace - 1)};
    if (line.starts_with(kDelete)) return {JournalEntry::kDelete, folder + line.substr(sizeof kDelete - 1)};
    if (line.starts_with(kMove)) return {JournalEntry::kMove, folder + line.substr(sizeof kMove - 1)};
    JournalEntry entry;
    size_t start = sizeof kAppend - 1, space = line.find(' ', start);
    if (!line.starts_with(kAppend) || space == std::string::npos) return entry;
    auto [end, error] = std::from_chars(line.data() + start, line.data() + space, entry.At);
    if (error == std::errc() && end == line.data() + space && entry.At >= 0)
        entry = {JournalEntry::kAppend, folder + line.substr(space + 1), entry.At};
    return entry;
}

// Renames and removals reach the disk before what depends on them.
void SyncFolder(const std::string& folder) {
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    if (fsync(fd) != 0) {
        // A folder that cannot be synced is no failure: the renames are made.
    }
    close(fd);
}

void SyncDataFolder() { SyncFolder(R().DataFolder); }

std::string NameInFolder(const std::string& path) {
    const std::string& folder = R().DataFolder;
    if (path.compare(0, folder.size(), folder) != 0 || path.size() == folder.size()) Fail(kInvalidCall);
    return path.substr(folder.size());
}

// True when the append's bytes stand at its place and end the file: a dead
// run made it, and making it again could need room the disk no longer has.
bool AppendMade(const JournalEntry& append, const std::string& bytes) {
    return FileExists(append.Path) && FileLength(append.Path) == append.At + static_cast<int64_t>(bytes.size()) &&
           ReadFileRange(append.Path, append.At, static_cast<int64_t>(bytes.size())) == bytes;
}

// Cuts every appended file back to its old length and drops the journal and
// the work files: every file is as it was. Cutting needs no room on the disk.
void UndoAppends(const std::string& journalPath, const std::vector<JournalEntry>& entries) {
    for (const JournalEntry& entry : entries)
        if (entry.What == JournalEntry::kAppend && FileExists(entry.Path) && FileLength(entry.Path) > entry.At &&
            truncate(entry.Path.c_str(), entry.At) != 0) {
            // Left to the next run, which finds the journal and makes the change whole.
            return;
        }
    unlink(journalPath.c_str());
    for (const JournalEntry& entry : entries)
        if (entry.What != JournalEntry::kDelete) unlink(WorkFileOf(entry.Path).c_str());
}

// The appends go first, each only while its work file is there; when one
// fails, nothing else has changed yet and they are undone.
void MakeAppends(const std::string& journalPath, const std::vector<JournalEntry>& entries) {
    try {
        for (const JournalEntry& entry : entries) {
            if (entry.What != JournalEntry::kAppend || !FileExists(WorkFileOf(entry.Path))) continue;
            std::string bytes = ReadWholeFile(WorkFileOf(entry.Path));
            if (!AppendMade(entry, bytes)) AppendAt(entry.Path, entry.At, bytes, true);
        }
    } catch (...) {
        UndoAppends(journalPath, entries);
        throw;
    }
}

// A move is made already when its file is in the folder: a file made anew
// under the moved one's name stays where it is.
void MoveIntoFolder(const std::string& to, std::set<std::string>& folders) {
    size_t slash = to.rfind('/');
    std::string folder = to.substr(0, slash), from = R().DataFolder + to.substr(slash + 1);
    if (!FileExists(to) && FileExists(from)) RenameFile(from, to);
    folders.insert(folder);
}

// True when the folder was made, false when it was there.
bool MakeFolder(const std::string& folder) {
    if (mkdir(folder.c_str(), 0755) == 0) return true;
    if (errno != EEXIST) FailFromErrno(errno, false);
    return false;
}

// Makes the changes of the journal's lines, in their order after the
// appends, and removes it; a replacement or an append whose work file is
// gone was made already.
void ApplyJournal(const std::string& journalPath, const std::vector<std::string>& lines) {
    std::vector<JournalEntry> entries;
    for (const std::string& line : lines) entries.push_back(ParseJournalLine(line));
    MakeAppends(journalPath, entries);
    std::set<std::string> folders;
    for (const JournalEntry& entry : entries) {
        if (entry.What == JournalEntry::kMove) MoveIntoFolder(entry.Path, folders);
        if (entry.What == JournalEntry::kReplace && FileExists(WorkFileOf(entry.Path)))
            RenameFile(WorkFileOf(entry.Path), entry.Path);
        if (entry.What == JournalEntry::kDelete) DeleteFileIfExists(entry.Path);
    }
    for (const std::string& folder : folders) SyncFolder(folder);
    SyncDataFolder();
    for (const JournalEntry& entry : entries)
        if (entry.What == JournalEntry::kAppend) DeleteFileIfExists(WorkFileOf(entry.Path));
    DeleteFileIfExists(journalPath);
}

}  // namespace

std::string JournalFilePath() { return DataPath(kJournalFileEnd); }

void FileBatch::Write(const std::string& path, std::string content) {
    changes_[path] = {Change::kWrite, std::move(content)};
}

void FileBatch::Append(const std::string& path, const std::string& bytes) {
    auto change = changes_.find(path);
    if (change == changes_.end())
        changes_[path] = {Change::kAppend, bytes};
    else if (change->second.What == Change::kDelete)
        change->second = {Change::kWrite, bytes};
    else
        change->second.Bytes += bytes;
}

void FileBatch::Delete(const std::string& path) { changes_[path] = {Change::kDelete, ""}; }

void FileBatch::MoveInto(const std::string& path, const std::string& folderName) {
    moves_.emplace_back(path, folderName);
}

bool FileBatch::Moved(const std::string& path) const {
    return std::ranges::any_of(moves_, [&](const auto& move) { return move.first == path; });
}

std::optional<std::string> FileBatch::Read(const std::string& path) const {
    auto change = changes_.find(path);
    if (change != changes_.end() && change->second.What == Change::kDelete) return std::nullopt;
    if (change != changes_.end() && change->second.What == Change::kWrite) return change->second.Bytes;
    std::optional<std::string> content;
    if (!Moved(path) && FileExists(path)) content = ReadWholeFile(path);
    if (change != changes_.end()) content = content.value_or("") + change->second.Bytes;
    return content;
}

// An append to a file that is missing writes it whole.
void FileBatch::Commit() {
    std::vector<std::string> journal;
    std::vector<std::string> written, madeFolders;
    try {
        // The folders are there before the journal names them.
        for (const auto& [path, folderName] : moves_) {
            std::string folder = R().DataFolder + folderName;
            if (MakeFolder(folder)) madeFolders.push_back(folder);
            std::string name = NameInFolder(path);
            if (name.find('/') != std::string::npos) Fail(kInvalidCall);
            journal.push_back(kMove + folderName + "/" + name);
        }
        for (const auto& [path, change] : changes_) {
            std::string name = NameInFolder(path);
            if (change.What == Change::kDelete) {
                journal.push_back(kDelete + name);
                continue;
            }
            bool appended = change.What == Change::kAppend && !Moved(path) && FileExists(path);
            std::string line = appended ? kAppend + std::to_string(FileLength(path)) + " " + name : kReplace + name;
            WriteWorkFile(WorkFileOf(path), change.Bytes);
            written.push_back(WorkFileOf(path));
            journal.push_back(line);
        }
        WriteFileAtomic(JournalFilePath(), JoinTextLines(journal));
    } catch (...) {
        // Nothing has changed yet: the new files go.
        for (const std::string& work : written) unlink(work.c_str());
        for (const std::string& folder : madeFolders) rmdir(folder.c_str());
        throw;
    }
    changes_.clear();
    moves_.clear();
    SyncDataFolder();
    ApplyJournal(JournalFilePath(), journal);
}

void FinishJournal(const std::string& path) { ApplyJournal(path, ReadTextLines(path)); }
