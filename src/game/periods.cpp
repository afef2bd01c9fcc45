#include "game/periods.h"

#include "cgi/form.h"
#include "core/failure.h"
#include "core/file_batch.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"

static std::string LeadingDigits(const std::string& text, size_t from) {
    size_t end = from;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    return text.substr(from, end - from);
}

std::string ScannedPeriodNumber(const std::string& line) {
    std::string upper = UCase(line);
    size_t at = upper.find("WEEK");
    if (at == std::string::npos) return "";
    at += 4;
    while (at < upper.size() && upper[at] == ' ') ++at;
    return LeadingDigits(upper, at);
}

std::string HeaderPeriodNumber(const std::string& line) {
    for (size_t at = line.find("WEEK"); at != std::string::npos; at = line.find("WEEK", at + 1)) {
        std::string number = LeadingDigits(line, at + 4);
        if (!number.empty()) return number;
    }
    return "";
}

// A value written from a header that had text after its number counts by
// that number; any other value is taken as it stands.
static std::string PeriodNumberOf(const std::string& value) {
    std::string trimmed = TrimBlanks(value);
    std::string number = LeadingDigits(trimmed, 0);
    return number.empty() || number == trimmed ? value : number;
}

static void PeriodRangeOf(const std::vector<std::string>& lines, std::string& first, std::string& last) {
    bool seen = false;
    for (const std::string& line : lines) {
        // Text after the number (a date, a note) is no part of it.
        std::string number = ScannedPeriodNumber(line);
        if (number.empty()) continue;
        if (!seen) first = number;
        last = number;
        seen = true;
    }
}

void GetBeginandEndWeekOfDataFile(std::string& first, std::string& last) {
    R().CurrentRoutine = "GetBeginandEndWeekOfDataFile";
    if (FileExists(GameDataFilePath())) PeriodRangeOf(ReadTextLines(GameDataFilePath()), first, last);
}

static std::string WeekFileBytes(const std::string& current, const std::string& first, const std::string& last) {
    return JoinTextLines({current, first, last});
}

static void WriteWeekFile(const std::string& current, const std::string& first, const std::string& last) {
    WriteFileAtomic(WeekFilePath(), WeekFileBytes(current, first, last));
}

void LoadWeekFile(std::string& weekFile) {
    Run& r = R();
    weekFile = WeekFilePath();
    if (const std::vector<std::string>* lines = LinesWhileUnchanged(weekFile, r.ReadThisRun.WeekFile)) {
        LineReader file(*lines);
        r.CurrentWeek = TrimBlanks(PeriodNumberOf(file.Next()));
        r.FirstWeek = PeriodNumberOf(file.Next());
        r.LastWeek = PeriodNumberOf(file.Next());
        // A week file made before the season's game data file arrived holds
        // no period; it is made anew once the file is there.
        if (!r.CurrentWeek.empty() || !FileExists(GameDataFilePath())) return;
    }
    GetBeginandEndWeekOfDataFile(r.FirstWeek, r.LastWeek);
    WriteWeekFile(r.FirstWeek, r.FirstWeek, r.LastWeek);
    r.CurrentWeek = r.FirstWeek;
}

void RefreshWeekFile(FileBatch& batch) {
    Run& r = R();
    if (!FileExists(WeekFilePath())) return;
    LineReader file(WeekFilePath());
    r.CurrentWeek = PeriodNumberOf(file.Next());
    r.FirstWeek = file.Next();
    r.LastWeek = file.Next();
    r.CurrentRoutine = "GetBeginandEndWeekOfDataFile";
    if (std::optional<std::string> gameData = batch.Read(GameDataFilePath()))
        PeriodRangeOf(SplitTextLines(*gameData), r.FirstWeek, r.LastWeek);
    // A week file made before there was a game data file has no current
    // period: the pool starts at the first period of the new file.
    if (TrimBlanks(r.CurrentWeek).empty()) r.CurrentWeek = r.FirstWeek;
    batch.Write(WeekFilePath(), WeekFileBytes(r.CurrentWeek, r.FirstWeek, r.LastWeek));
}

void AdvancePeriod(FileBatch& batch) {
    Run& r = R();
    std::string weekFile;
    LoadWeekFile(weekFile);
    r.CurrentWeek = NextPeriodNumber();
    batch.Write(WeekFilePath(), WeekFileBytes(TrimBlanks(r.CurrentWeek), r.FirstWeek, r.LastWeek));
}

void StartWeekFileAnew(FileBatch& batch) {
    Run& r = R();
    r.FirstWeek = r.LastWeek = "";
    GetBeginandEndWeekOfDataFile(r.FirstWeek, r.LastWeek);
    r.CurrentWeek = r.FirstWeek;
    batch.Write(WeekFilePath(), WeekFileBytes(r.CurrentWeek, r.FirstWeek, r.LastWeek));
}

std::string NextPeriodNumber() { return NumText(CLng(Val(TrimBlanks(R().CurrentWeek)) + 1)); }

std::string LastWeeksNumberIs() {
    Run& r = R();
    r.CurrentRoutine = "LastWeeksNumberIs";
    int n = CInt(Val(TrimBlanks(r.CurrentWeek))) - 1;
    if (n >= 1 && Val(TrimBlanks(r.FirstWeek)) <= n) return NumText(n);
    return "0";
}

bool PoolHasEnded() { return Val(TrimBlanks(R().LastWeek)) < Val(TrimBlanks(R().CurrentWeek)); }

std::string OtherPeriodSent() {
    std::string period = TrimBlanks(GetCgiValue("PERIOD"));
    return period == TrimBlanks(R().CurrentWeek) ? "" : period;
}

void ArchivePeriodTeams(FileBatch& batch) {
    Run& r = R();
    r.LineNumber = 0;
    std::vector<std::string> games = PeriodGameLines(r.CurrentWeek);
    for (std::string& game : games) {
        r.LineNumber = CInt(r.LineNumber + 1.0);
        game = TrimBlanks(game);
    }
    if (!games.empty()) batch.Append(TeamsFilePath(r.CurrentWeek), JoinTextLines(games));
}

// Where the line after the first line holding text starts (the end when no
// line holds it): one search passes over the lines before it. A line ends
// before its line feed and a carriage return there, as TextLineCursor has it.
static size_t LineAfterFirstHolding(std::string_view bytes, std::string_view text) {
    for (size_t at = bytes.find(text); at != std::string_view::npos; at = bytes.find(text, at + 1)) {
        size_t feed = bytes.find('\n', at);
        size_t end = feed == std::string_view::npos ? bytes.size() : feed;
        if (end > at && bytes[end - 1] == '\r') --end;
        if (at + text.size() <= end) return feed == std::string_view::npos ? bytes.size() : feed + 1;
    }
    return bytes.size();
}

std::vector<std::string> PeriodGameLines(const std::string& period) {
    std::vector<std::string> games;
    if (!FileExists(GameDataFilePath())) return games;
    // Lines seen in place: only the period's games are made into strings.
    std::string bytes = ReadWholeFile(GameDataFilePath());
    std::string header = "WEEK" + TrimBlanks(period);
    TextLineCursor lines(std::string_view(bytes).substr(LineAfterFirstHolding(bytes, header)));
    while (!lines.AtEnd()) {
        std::string_view line = TrimBlanksView(lines.Next());
        if (line.find("WEEK") != std::string_view::npos) break;
        // A blank line (often a spacer between periods) is no game.
        if (line.empty()) continue;
        games.push_back(ReplaceAll(std::string(line), " at ", ","));
    }
    return games;
}

void SplitTeams(std::string_view line, std::string_view& first, std::string_view& second) {
    size_t comma = line.find(',');
    // The team split takes the text before the first comma: without one the
    // length is negative, an invalid call.
    if (comma == std::string_view::npos) Fail(kInvalidCall);
    first = line.substr(0, comma);
    second = line.substr(comma + 1);
}
