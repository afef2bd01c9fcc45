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
#include <utility>
#include <vector>

class FileBatch {
public:
    // path gets content.
    void Write(const std::string& path, std::string content);
    // bytes are added at the end of path as the batch leaves it; a file that
    // exists is not rewritten for it.
    void Append(const std::string& path, const std::string& bytes);
    void Delete(const std::string& path);
    // path goes under its own name into the folder folderName of the data
    // folder, made when missing, before the batch's other changes; a file
    // already there is never replaced. The batch then reads path as missing.
    void MoveInto(const std::string& path, const std::string& folderName);
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
    std::vector<std::pair<std::string, std::string>> moves_;  // path, folder name
    bool Moved(const std::string& path) const;
};

// The journal: the data file prefix + "__journal.txt". Its lines, one a
// change, in any order:
//   "replace NAME": the work file beside NAME becomes NAME;
//   "append LENGTH NAME": the work file's bytes go at byte LENGTH of NAME,
//     which then ends after them (made again, it gives the same file);
//   "delete NAME";
//   "move FOLDER/NAME": NAME goes into FOLDER unless a file stands there.
// NAME is a file of the data folder. The appends are made first: until they
// are made nothing else has changed, so one that fails is undone. The others
// follow in their order, the moves first.
inline constexpr char kJournalFileEnd[] = "__journal.txt";
std::string JournalFilePath();
// Finishes the changes listed in a journal that a dead run left.
void FinishJournal(const std::string& path);
