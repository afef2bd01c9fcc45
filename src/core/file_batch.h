// Changes to several files of the data folder that take effect together,
// whatever moment the run is killed at. Commit writes every new file beside
// its file first (WorkFileOf), then the journal file listing the changes
// (written whole), then makes them and removes the journal. A run that finds
// a journal, under the folder lock and before anything else, finishes it.
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
    // bytes are added at the end of path as the batch leaves it.
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
    std::map<std::string, std::optional<std::string>> changes_;  // no content: deleted
    std::vector<std::pair<std::string, std::string>> moves_;     // path, folder name
};

// The journal: the data file prefix + "__journal.txt".
inline constexpr char kJournalFileEnd[] = "__journal.txt";
std::string JournalFilePath();
// Finishes the changes listed in a journal that a dead run left.
void FinishJournal(const std::string& path);
