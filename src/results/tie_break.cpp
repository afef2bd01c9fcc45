#include "results/tie_break.h"

#include <algorithm>

#include "core/file_batch.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"

namespace {

struct Leader {
    std::string Name;
    std::string Guess;
    int16_t Distance = 0;
    bool Lost = false;  // a flag, not a mark in the guess: a guess may be any text
};

// The records at the top of the period that share record 1's points, in file
// order, however many there are; none when record 2 already has other points
// (a single leader).
std::vector<Leader> TiedLeaders(const std::vector<std::string>& lines) {
    std::vector<Leader> leaders;
    LineReader file(lines);
    std::string top;
    while (!file.AtEnd()) {
        std::string name = file.Next();
        std::string points = TrimBlanks(file.Next());
        file.Next();
        if (leaders.empty()) top = points;
        if (points != top) {
            if (leaders.size() == 1) return {};
            break;
        }
        leaders.push_back({name, "", 0});
    }
    return leaders;
}

void ReadGuesses(std::vector<Leader>& leaders, const PicksFile& picks) {
    for (Leader& leader : leaders) {
        if (TrimBlanks(leader.Name).empty()) break;
        R().CurrentRoutine = "WhatDidTheUserSelectForTieBreakerScore";
        leader.Guess = TieBreakerGuess(picks, leader.Name);
    }
}

// Closest without going over when any guess allows it, else closest over.
void MeasureDistances(std::vector<Leader>& leaders, double actual) {
    bool anyNotOver = std::any_of(leaders.begin(), leaders.end(),
                                  [&](const Leader& leader) { return Val(leader.Guess) <= actual; });
    for (Leader& leader : leaders) {
        double guess = Val(leader.Guess);
        leader.Distance = CInt(anyNotOver ? actual - guess : guess - actual);
    }
}

// The best distance counts the leaders up to the first without a guess, yet
// every leader with a guess is measured against it.
void MarkLosers(std::vector<Leader>& leaders) {
    int best = 10000;
    for (const Leader& leader : leaders) {
        if (leader.Guess.empty()) break;
        if (leader.Distance >= 0 && leader.Distance <= best) best = leader.Distance;
    }
    for (Leader& leader : leaders)
        if (!leader.Guess.empty() && (leader.Distance > best || leader.Distance < 0)) leader.Lost = true;
}

}  // namespace

void AwardTieBreak(const std::string& actual, StandingsFile& period, StandingsFile& overall, const PicksFile& picks) {
    R().CurrentRoutine = "AwardTieBreak";
    if (Trimm(actual).empty()) return;
    // Nobody picked: there is no winners file and no tie to break.
    if (!period.Exists()) return;
    R().CurrentRoutine = "AwardTieBreak";
    std::vector<Leader> leaders = TiedLeaders(period.Lines());
    if (leaders.empty()) return;
    ReadGuesses(leaders, picks);
    MeasureDistances(leaders, Val(actual));
    MarkLosers(leaders);
    for (const Leader& leader : leaders) {
        if (leader.Guess.empty() || leader.Lost) continue;
        overall.AddPoints(leader.Name, 1);
        period.AddPoints(leader.Name, 1);
    }
    overall.Sort();
    period.Sort();
}
