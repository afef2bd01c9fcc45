#include "results/literal_scoring.h"

#include <array>
#include <vector>

#include "cgi/failure.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "game/periods.h"
#include "game/picks_store.h"
#include "users/user_file.h"

namespace literal {

void UpdateWinnerFile(const std::string& path, const std::string& name, int16_t points) {
    std::string bak = path + ".bak";
    std::vector<std::string> record = {TrimBlanks(name), NumText(points), " "};
    bool found = false;
    if (FileExists(path)) {
        LineReader in(path);
        std::vector<std::string> out;
        while (!in.AtEnd()) {
            std::string line = in.Next();
            out.push_back(line);
            if (found || TrimBlanks(line).empty() || TrimBlanks(line) != TrimBlanks(name)) continue;
            std::string points_line = in.Next(), third = in.Next();
            found = true;
            out.push_back(NumText(CInt(Val(TrimBlanks(points_line)) + points)));
            out.push_back(third);
        }
        WriteFileAtomic(bak, JoinTextLines(out));
        CopyFileOver(bak, path);
        DeleteFileIfExists(bak);
    } else {
        WriteFileAtomic(path, JoinTextLines(record));
        found = true;
    }
    if (!found) AppendTextLines(path, record);
}

void SortWinnerFile(const std::string& path) {
    if (!FileExists(path)) return;
    CopyFileOver(path, path + ".bak");
    LineReader in(path);
    std::vector<std::array<std::string, 3>> records;
    while (!in.AtEnd()) {
        std::array<std::string, 3> record;
        for (std::string& line : record) line = in.Next();
        records.push_back(record);
    }
    if (records.size() == 1) return;
    for (size_t i = 0; i + 1 < records.size(); ++i)
        for (size_t j = i; j < records.size(); ++j)
            if (Val(TrimBlanks(records[i][1])) < Val(TrimBlanks(records[j][1]))) std::swap(records[i], records[j]);
    std::vector<std::string> out;
    for (const auto& record : records) out.insert(out.end(), record.begin(), record.end());
    WriteFileAtomic(path, JoinTextLines(out));
}

void TieBreak(const std::string& actual) {
    if (Trimm(actual).empty()) return;
    std::string period = PeriodWinnersFilePath(R().CurrentWeek);
    if (!FileExists(period)) return;
    LineReader in(period);
    if (in.AtEnd()) return;
    std::array<std::string, 101> names, points, guesses;
    std::array<int16_t, 101> distance{};
    int count = 1;
    names[1] = in.Next();
    points[1] = in.Next();
    in.Next();
    while (!in.AtEnd()) {
        int k = count + 1;
        if (k > 100) Fail(kSubscript);
        names[k] = in.Next();
        points[k] = in.Next();
        in.Next();
        if (TrimBlanks(points[k]) != TrimBlanks(points[1])) {
            if (k == 2) return;
            break;
        }
        count = k;
    }
    for (int k = 1; k <= count && !TrimBlanks(names[k]).empty(); ++k)
        guesses[k] = WhatDidTheUserSelectForTieBreakerScore(names[k]);
    bool under = false;
    for (int k = 1; k <= count; ++k)
        if (Val(guesses[k]) <= Val(actual)) under = true;
    for (int k = 1; k <= count; ++k)
        distance[k] = CInt(under ? Val(actual) - Val(guesses[k]) : Val(guesses[k]) - Val(actual));
    int best = 10000;
    for (int k = 1; k <= count && !guesses[k].empty(); ++k)
        if (distance[k] >= 0 && distance[k] <= best) best = distance[k];
    for (int k = 1; k <= count; ++k)
        if (!guesses[k].empty() && (distance[k] > best || distance[k] < 0)) guesses[k] = "X";
    for (int k = 1; k <= count; ++k) {
        if (guesses[k].empty() || guesses[k] == "X") continue;
        UpdateWinnerFile(OverallWinnersFilePath(), names[k], 1);
        UpdateWinnerFile(period, names[k], 1);
    }
    SortWinnerFile(OverallWinnersFilePath());
    SortWinnerFile(period);
}

void ScoringRun() {
    Run& r = R();
    std::string weekFile;
    LoadWeekFile(weekFile);
    r.LineNumber = 0;
    for (const std::string& game : PeriodGameLines(r.CurrentWeek)) {
        ++r.LineNumber;
        AppendTeamsLine(game);
    }
    SaveWinningTeamsForThisPeriod();
    std::string period = PeriodWinnersFilePath(r.CurrentWeek);
    if (FileExists(UserFilePath())) {
        if (FileLength(UserFilePath()) < kUserRecordLength) return;
        for (const UserRecord& user : ReadUserRecords()) {
            if (Trimm(user.UserEmail).empty() || Trimm(user.UserStatus) == "DELETE") continue;
            std::string name = Trimm(user.UserRealName);
            int16_t correct = HowManyWinnersDoesTheUserHave(name);
            int missed = r.LineNumber - correct;
            if (correct == 9999 || name.empty()) continue;
            AppendTextLines(period, {name, NumText(correct), NumText(missed)});
            UpdateWinnerFile(OverallWinnersFilePath(), name, correct);
        }
    }
    SortWinnerFile(OverallWinnersFilePath());
    SortWinnerFile(period);
    TieBreak(r.TieBreaker);
    AdvancePeriod();
}

}  // namespace literal
