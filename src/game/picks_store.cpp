#include "game/picks_store.h"

#include "cgi/failure.h"
#include "core/files.h"
#include "core/name_key.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"

static std::string NameKey(const std::string& text) { return UCase(TrimBlanks(text)); }

PicksFile::PicksFile(const std::string& path) {
    exists_ = FileExists(path);
    if (!exists_) return;
    lines_ = ReadTextLines(path);
}

long PicksFile::Find(const std::string& name) const {
    std::string key = NameKey(name);
    if (++lookups_ == 1) {
        for (size_t i = 0; i < lines_.size(); ++i)
            if (MatchesNameKey(lines_[i], key)) return static_cast<long>(i);
        return -1;
    }
    if (first_.empty())
        for (size_t i = 0; i < lines_.size(); ++i) first_.emplace(NameKey(lines_[i]), static_cast<long>(i));
    auto it = first_.find(key);
    return it == first_.end() ? -1 : it->second;
}

const std::string& PicksFile::Line(long n) const {
    if (n < 0 || static_cast<size_t>(n) >= lines_.size()) Fail(kInputPastEnd);
    return lines_[static_cast<size_t>(n)];
}

int16_t CountCorrectPicks(const PicksFile& picks, const std::string& name) {
    long at = picks.Find(name);
    if (at < 0) return 9999;
    std::string mine = TrimBlanks(picks.Line(at + 1));
    const std::string& winning = R().Uwp;
    R().LineNumber = CInt(static_cast<double>(mine.size()));
    int16_t correct = 0;
    for (size_t i = 0; i < mine.size() && i < winning.size(); ++i)
        if (mine[i] == winning[i]) ++correct;
    return correct;
}

std::string TieBreakerGuess(const PicksFile& picks, const std::string& name) {
    long at = picks.Find(name);
    if (at < 0) return "";
    picks.Line(at + 1);
    return TrimBlanks(picks.Line(at + 2));
}

// A record is three lines: a line break smuggled into a value would forge
// another player's record. The guess keeps the three characters its input
// allows, so a hand-made huge one cannot overflow the tie-break.
void SavePicks() {
    const Run& r = R();
    AppendTextLines(PicksFilePath(r.CurrentWeek), {SingleLine(r.CurrentUserRealName), SingleLine(r.Uwp),
                                                   SingleLine(Trimm(r.TieBreaker)).substr(0, 3)});
}

bool LoadUserPicks() {
    Run& r = R();
    // A visitor without a name has no record (a blank line is no name).
    if (TrimBlanks(r.CurrentUserRealName).empty()) return false;
    PicksFile picks(PicksFilePath(r.CurrentWeek));
    long at = picks.Exists() ? picks.Find(r.CurrentUserRealName) : -1;
    if (at < 0) return false;
    const std::string& line = picks.Line(at + 1);
    for (size_t i = 0; i < line.size(); ++i) {
        if (i + 1 > 100) Fail(kSubscript);
        r.Picks[i + 1] = std::string(1, line[i]);
    }
    r.TieBreaker = picks.Line(at + 2);
    return true;
}

std::string PicksFromArray() {
    const Run& r = R();
    std::string picks;
    for (int i = 1; i <= r.LineNumber; ++i) {
        if (i > 100) Fail(kSubscript);
        if (TrimBlanks(r.Picks[i]).empty()) break;
        picks += r.Picks[i];
    }
    return picks;
}

void SaveWinningTeamsForThisPeriod() {
    Run& r = R();
    r.CurrentRoutine = "SaveWinningTeamsForThisPeriod";
    std::string path = WinningPicksFilePath(r.CurrentWeek);
    if (FileExists(path))
        r.Uwp = TrimBlanks(LineReader(path).Next());
    else
        WriteFileAtomic(path, JoinTextLines({r.Uwp, r.TieBreaker}));
}

int16_t HowManyWinnersDoesTheUserHave(const std::string& name) {
    R().CurrentRoutine = "HowManyWinnersDoesTheUserHave";
    PicksFile picks(PicksFilePath(R().CurrentWeek));
    return picks.Exists() ? CountCorrectPicks(picks, name) : 9999;
}

std::string WhatDidTheUserSelectForTieBreakerScore(const std::string& name) {
    R().CurrentRoutine = "WhatDidTheUserSelectForTieBreakerScore";
    PicksFile picks(PicksFilePath(R().CurrentWeek));
    return picks.Exists() ? TieBreakerGuess(picks, name) : "";
}
