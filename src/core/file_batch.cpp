#include "core/file_batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <set>

#include "core/failure.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"

namespace {

// A journal line: the verb, a blank, the file's name in the data folder.
constexpr char kReplace[] = "replace ";
constexpr char kDelete[] = "delete ";
// The folder, "/", the file's name: the file goes from the data folder into the folder.
constexpr char kMove[] = "move ";

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

// A move is made already when its file is in the folder: a file made anew
// under the moved one's name stays where it is.
void MoveIntoFolder(const std::string& target, std::set<std::string>& folders) {
    size_t slash = target.rfind('/');
    if (slash == std::string::npos) return;
    std::string to = R().DataFolder + target, from = R().DataFolder + target.substr(slash + 1);
    if (!FileExists(to) && FileExists(from)) RenameFile(from, to);
    folders.insert(R().DataFolder + target.substr(0, slash));
}

// True when the folder was made, false when it was there.
bool MakeFolder(const std::string& folder) {
    if (mkdir(folder.c_str(), 0755) == 0) return true;
    if (errno != EEXIST) FailFromErrno(errno, false);
    return false;
}

// Makes the changes of the journal's lines and removes it; a replacement
// whose work file is gone was made already.
void ApplyJournal(const std::string& journalPath, const std::vector<std::string>& lines) {
    std::set<std::string> folders;
    for (const std::string& line : lines) {
        if (line.starts_with(kMove)) {
            MoveIntoFolder(line.substr(sizeof kMove - 1), folders);
        } else if (line.starts_with(kReplace)) {
            std::string path = R().DataFolder + line.substr(sizeof kReplace - 1);
            if (FileExists(WorkFileOf(path))) RenameFile(WorkFileOf(path), path);
        } else if (line.starts_with(kDelete)) {
            DeleteFileIfExists(R().DataFolder + line.substr(sizeof kDelete - 1));
        }
    }
    for (const std::string& folder : folders) SyncFolder(folder);
    SyncDataFolder();
    DeleteFileIfExists(journalPath);
}

}  // namespace

std::string JournalFilePath() { return DataPath(kJournalFileEnd); }

void FileBatch::Write(const std::string& path, std::string content) { changes_[path] = std::move(content); }

void FileBatch::Append(const std::string& path, const std::string& bytes) {
    std::string content = Read(path).value_or("");
    changes_[path] = content + bytes;
}

void FileBatch::Delete(const std::string& path) { changes_[path] = std::nullopt; }

void FileBatch::MoveInto(const std::string& path, const std::string& folderName) {
    moves_.emplace_back(path, folderName);
}

std::optional<std::string> FileBatch::Read(const std::string& path) const {
    auto change = changes_.find(path);
    if (change != changes_.end()) return change->second;
    if (std::ranges::any_of(moves_, [&](const auto& move) { return move.first == path; })) return std::nullopt;
    if (!FileExists(path)) return std::nullopt;
    return ReadWholeFile(path);
}

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
        for (const auto& [path, content] : changes_) {
            std::string name = NameInFolder(path);
            if (!content) {
                journal.push_back(kDelete + name);
                continue;
            }
            WriteWorkFile(WorkFileOf(path), *content);
            written.push_back(WorkFileOf(path));
            journal.push_back(kReplace + name);
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
