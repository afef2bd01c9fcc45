// The picks files and winning-picks files of the periods.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// One picks file read once, with the name matching of its readers: a name
// finds the first line of the file, in file order, whose trimmed upper-case
// text equals the trimmed upper-case name (every line is compared).
class PicksFile {
public:
    explicit PicksFile(const std::string& path);
    bool Exists() const { return exists_; }
    // The number of the name line of name's first record; -1 when none.
    long Find(const std::string& name) const;
    // Line n (from 0); reading past the end is failure 62.
    const std::string& Line(long n) const;

private:
    bool exists_ = false;
    std::vector<std::string> lines_;
    // Built at the second lookup: a reader that looks up one name scans.
    mutable std::unordered_map<std::string, long> first_;
    mutable int lookups_ = 0;
};

// The correct picks of name against the winning picks in UWP, 9999 without
// a record; sets LINENUMBER to the length of the player's picks.
int16_t CountCorrectPicks(const PicksFile& picks, const std::string& name);
// The player's tie-breaker guess, trimmed; "" without a record.
std::string TieBreakerGuess(const PicksFile& picks, const std::string& name);

void SavePicks();
bool LoadUserPicks();
std::string PicksFromArray();
void SaveWinningTeamsForThisPeriod();
int16_t HowManyWinnersDoesTheUserHave(const std::string& name);
std::string WhatDidTheUserSelectForTieBreakerScore(const std::string& name);
