#include "game/periods.h"

#include "core/failure.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"

void GetBeginandEndWeekOfDataFile(std::string& first, std::string& last) {
    R().CurrentRoutine = "GetBeginandEndWeekOfDataFile";
    if (!FileExists(GameDataFilePath())) return;
    bool seen = false;
    for (const std::string& line : ReadTextLines(GameDataFilePath())) {
        std::string upper = UCase(line);
        if (!Contains(upper, "WEEK")) continue;
        std::string number = TrimBlanks(ReplaceAll(upper, "WEEK", ""));
        if (!seen) first = number;
        last = number;
        seen = true;
    }
}

static void WriteWeekFile(const std::string& current, const std::string& first, const std::string& last) {
    WriteFileAtomic(WeekFilePath(), JoinTextLines({current, first, last}));
}

void LoadWeekFile(std::string& weekFile) {
    Run& r = R();
    weekFile = WeekFilePath();
    if (FileExists(weekFile)) {
        LineReader file(weekFile);
        r.CurrentWeek = TrimBlanks(file.Next());
        r.FirstWeek = file.Next();
        r.LastWeek = file.Next();
        // A week file made before the season's game data file arrived holds
        // no period; it is made anew once the file is there.
        if (!r.CurrentWeek.empty() || !FileExists(GameDataFilePath())) return;
    }
    GetBeginandEndWeekOfDataFile(r.FirstWeek, r.LastWeek);
    WriteWeekFile(r.FirstWeek, r.FirstWeek, r.LastWeek);
    r.CurrentWeek = r.FirstWeek;
}

void RefreshWeekFile() {
    Run& r = R();
    if (!FileExists(WeekFilePath())) return;
    LineReader file(WeekFilePath());
    r.CurrentWeek = file.Next();
    r.FirstWeek = file.Next();
    r.LastWeek = file.Next();
    GetBeginandEndWeekOfDataFile(r.FirstWeek, r.LastWeek);
    // A week file made before there was a game data file has no current
    // period: the pool starts at the first period of the new file.
    if (TrimBlanks(r.CurrentWeek).empty()) r.CurrentWeek = r.FirstWeek;
    WriteWeekFile(r.CurrentWeek, r.FirstWeek, r.LastWeek);
}

void AdvancePeriod() {
    Run& r = R();
    std::string weekFile;
    LoadWeekFile(weekFile);
    r.CurrentWeek = NumText(static_cast<long long>(Val(TrimBlanks(r.CurrentWeek)) + 1));
    WriteWeekFile(TrimBlanks(r.CurrentWeek), r.FirstWeek, r.LastWeek);
}

std::string LastWeeksNumberIs() {
    Run& r = R();
    r.CurrentRoutine = "LastWeeksNumberIs";
    int n = CInt(Val(TrimBlanks(r.CurrentWeek))) - 1;
    if (n >= 1 && Val(TrimBlanks(r.FirstWeek)) <= n) return NumText(n);
    return "0";
}

bool PoolHasEnded() { return Val(TrimBlanks(R().LastWeek)) < Val(TrimBlanks(R().CurrentWeek)); }

void AppendTeamsLine(const std::string& line) {
    AppendTextLines(TeamsFilePath(R().CurrentWeek), {TrimBlanks(line)});
}

std::vector<std::string> PeriodGameLines(const std::string& period) {
    std::vector<std::string> games;
    if (!FileExists(GameDataFilePath())) return games;
    std::vector<std::string> lines = ReadTextLines(GameDataFilePath());
    std::string header = "WEEK" + TrimBlanks(period);
    size_t i = 0;
    while (i < lines.size() && !Contains(lines[i], header)) ++i;
    for (++i; i < lines.size(); ++i) {
        std::string line = TrimBlanks(lines[i]);
        if (Contains(line, "WEEK")) break;
        // A blank line (often a spacer between periods) is no game.
        if (line.empty()) continue;
        games.push_back(ReplaceAll(line, " at ", ","));
    }
    return games;
}

void SplitTeams(const std::string& line, std::string& first, std::string& second) {
    size_t comma = line.find(',');
    // The team split takes the text before the first comma: without one the
    // length is negative, an invalid call.
    if (comma == std::string::npos) Fail(kInvalidCall);
    first = line.substr(0, comma);
    second = line.substr(comma + 1);
}
