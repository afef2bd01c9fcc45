// The picks files and winning-picks files of the periods.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class FileRanges;

// One picks file read once, with the name matching of its readers: a name
// finds the first record, in file order, whose name line (the first of its
// three lines) trimmed and upper-cased equals the name trimmed and
// upper-cased. Picks and guess lines are never taken for names, and a blank
// name matches nothing. A record is whole when each of its three lines ends
// with a line feed: the one at the end that is not, what a save killed
// half-way leaves, is no record.
class PicksFile {
public:
    explicit PicksFile(const std::string& path);
    ~PicksFile();
    bool Exists() const { return exists_; }
    // The number of the name line of name's first record; -1 when none.
    long Find(const std::string& name) const;
    // Line n (from 0); reading past the end is failure 62.
    std::string Line(long n) const;
    // The bytes of the whole records, from the start of the file.
    int64_t WholeLength() const;

private:
    // The line starting at byte at, without its line end; at moves past it.
    std::string_view TakeLine(size_t& at) const;
    // True when a line starts at byte at and ends with a line feed; at moves past it.
    bool SkipWholeLine(size_t& at) const;
    // The first lookup: a walk over the name lines.
    long ScanFor(std::string_view key) const;
    void BuildIndex() const;

    bool exists_ = false;
    // The file seen in place: lines are cut out only when asked for.
    std::unique_ptr<FileRanges> file_;
    std::string_view bytes_;
    // Where the last single lookup stopped, so reading its record's lines
    // goes on from there.
    mutable long cursorLine_ = 0;
    mutable size_t cursorAt_ = 0;
    // Built at the second lookup: a reader that looks up one name scans.
    mutable std::vector<size_t> starts_;
    mutable std::unordered_map<std::string, long> first_;
    mutable int lookups_ = 0;
    // WholeLength, once a walk has read to the end of the whole records.
    mutable size_t whole_ = std::string_view::npos;
};

// The correct picks of name against the winning picks in UWP, 9999 without
// a record; sets LINENUMBER to the length of the player's picks.
int16_t CountCorrectPicks(const PicksFile& picks, const std::string& name);
// The player's tie-breaker guess, trimmed; "" without a record.
std::string TieBreakerGuess(const PicksFile& picks, const std::string& name);

// What is wrong with picks and a guess for CurrentWeek, "" when nothing is:
// only what the sheet sends passes, one of its choice characters for every
// game of the period (at most 100) and a guess of up to 3 digits or none.
std::string PicksProblem(const std::string& picks, const std::string& guess);
// The player's line for PicksProblem ("" when there is none).
std::string PicksRefusal(const std::string& picks, const std::string& guess);

void SavePicks();
// The player's first record takes UWP and the guess in place of its own;
// SavePicks when he has none.
void ReplacePicks();
bool LoadUserPicks();
// LoadUserPicks's answer without loading the picks.
bool HasSavedPicks();
std::string PicksFromArray();
class FileBatch;
// The first run of a period stores the winning picks with the batch; a
// later one takes UWP from the stored file.
void SaveWinningTeamsForThisPeriod(FileBatch& batch);
