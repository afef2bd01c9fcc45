// Changes to several files of the data folder that take effect together,
// whatever moment the run is killed at. Commit writes every new file, and
// the bytes every append adds, beside its file first (WorkFileOf), then the
// journal file listing the changes (written whole), then makes them and
// removes the journal. A run that finds a journal, under the folder lock and
// before anything else, finishes it.
#pragma once

#include <map>
#include <optional>
#include <string>

class FileBatch {
public:
    // path gets content.
    void Write(const std::string& path, std::string content);
    // bytes are added at the end of path as the batch leaves it; a file that
    // exists is not rewritten for it.
    void Append(const std::string& path, const std::string& bytes);
    void Delete(const std::string& path);
    // path as the batch leaves it: its new content, or the file's own; empty
    // when it is missing or deleted.
    std::optional<std::string> Read(const std::string& path) const;
    void Commit();

private:
    struct Change {
        enum Kind { kWrite, kAppend, kDelete } What;
        std::string Bytes;
    };
    std::map<std::string, Change> changes_;
};

// The journal: the data file prefix + "__journal.txt". Its lines, one a
// change, in any order:
//   "replace NAME": the work file beside NAME becomes NAME;
//   "append LENGTH NAME": the work file's bytes go at byte LENGTH of NAME,
//     which then ends after them (made again, it gives the same file);
//   "delete NAME".
// NAME is a file of the data folder. The appends are made first: until they
// are made nothing else has changed, so one that fails is undone.
inline constexpr char kJournalFileEnd[] = "__journal.txt";
std::string JournalFilePath();
// Finishes the changes listed in a journal that a dead run left.
void FinishJournal(const std::string& path);
