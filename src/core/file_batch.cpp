#include "core/file_batch.h"

#include <fcntl.h>
#include <unistd.h>

#include "core/failure.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"

namespace {

// A journal line: the verb, a blank, the file's name in the data folder.
constexpr char kReplace[] = "replace ";
constexpr char kDelete[] = "delete ";

// Renames and removals reach the disk before what depends on them.
void SyncDataFolder() {
    int fd = open(R().DataFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    if (fsync(fd) != 0) {
        // A folder that cannot be synced is no failure: the renames are made.
    }
    close(fd);
}

std::string NameInFolder(const std::string& path) {
    const std::string& folder = R().DataFolder;
    if (path.compare(0, folder.size(), folder) != 0 || path.size() == folder.size()) Fail(kInvalidCall);
    return path.substr(folder.size());
}

// Makes the changes of the journal's lines and removes it; a replacement
// whose work file is gone was made already.
void ApplyJournal(const std::string& journalPath, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (line.starts_with(kReplace)) {
            std::string path = R().DataFolder + line.substr(sizeof kReplace - 1);
            if (FileExists(WorkFileOf(path))) RenameFile(WorkFileOf(path), path);
        } else if (line.starts_with(kDelete)) {
            DeleteFileIfExists(R().DataFolder + line.substr(sizeof kDelete - 1));
        }
    }
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

std::optional<std::string> FileBatch::Read(const std::string& path) const {
    auto change = changes_.find(path);
    if (change != changes_.end()) return change->second;
    if (!FileExists(path)) return std::nullopt;
    return ReadWholeFile(path);
}

void FileBatch::Commit() {
    std::vector<std::string> journal;
    std::vector<std::string> written;
    try {
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
        throw;
    }
    changes_.clear();
    SyncDataFolder();
    ApplyJournal(JournalFilePath(), journal);
}

void FinishJournal(const std::string& path) { ApplyJournal(path, ReadTextLines(path)); }
