// The standings files: one period winners file per period and the overall
// winners file, each made of three-line records (name, points, third line).
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "game/picks_store.h"

class FileBatch;

// One standings file read once and changed in memory; Save writes the file
// and its .bak as the one-by-one rewrites of the same changes would leave them.
class StandingsFile {
public:
    explicit StandingsFile(const std::string& path);
    bool Exists() const { return exists_; }
    // The file's lines as they stand now.
    const std::vector<std::string>& Lines();
    // Appends lines at the end of the file as they are.
    void AppendLines(const std::vector<std::string>& lines);
    // Adds points to the first record of name, or appends a record for name.
    void AddPoints(const std::string& name, int16_t points);
    // Sorts the records by points, highest first, keeping a .bak of the file
    // as it was before.
    void Sort();
    // Writes the changes with the batch.
    void Save(FileBatch& batch) const;

private:
    enum class Backup { Untouched, Removed, Written };

    std::string Bytes() const;
    void BuildIndex();
    void PushLine(std::string text);

    std::string path_;
    bool exists_ = false;
    bool changed_ = false;
    // Until its first whole rewrite the file is kept as bytes, so appends and
    // a sort that changes nothing leave every byte as it was.
    bool rewritten_ = false;
    std::string bytes_;
    bool parsed_ = false;
    std::vector<std::string> lines_;
    // Where the first record of each non-blank trimmed name stands. Only name
    // lines (the first of each three) are keys: a points line that reads like
    // a name never answers for it, and a blank name matches nothing.
    bool indexed_ = false;
    std::unordered_map<std::string, size_t> index_;
    Backup backup_ = Backup::Untouched;
    std::string backupBytes_;
};
