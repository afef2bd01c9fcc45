#include "results/scoring_run.h"

#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "game/periods.h"
#include "game/picks_store.h"
#include "results/standings.h"
#include "users/user_file.h"

// The run reads every file once and writes every file once; the standings
// files end exactly as scoring the players one by one would leave them.

namespace {

// Archives the period's games in its teams file, in one append.
void AppendPeriodTeams() {
    Run& r = R();
    std::vector<std::string> games = PeriodGameLines(r.CurrentWeek);
    for (std::string& game : games) game = TrimBlanks(game);
    r.LineNumber = CInt(static_cast<double>(games.size()));
    if (!games.empty()) AppendTextLines(TeamsFilePath(r.CurrentWeek), games);
}

void ScorePlayer(const UserRecord& record, const PicksFile& picks, StandingsFile& period, StandingsFile& overall) {
    Run& r = R();
    r.CurrentRoutine = "UpdateWinnerForThisWeek3";
    if (Trimm(record.UserEmail).empty() || Trimm(record.UserStatus) == "DELETE") return;
    std::string name = Trimm(record.UserRealName);
    r.CurrentRoutine = "HowManyWinnersDoesTheUserHave";
    int16_t correct = picks.Exists() ? CountCorrectPicks(picks, name) : 9999;
    if (correct == 9999) return;
    int missed = r.LineNumber - correct;
    r.CurrentRoutine = "UpdateWinnerForThisWeek4";
    if (name.empty()) return;
    period.AppendLines({name, NumText(correct), NumText(missed)});
    r.CurrentRoutine = "UpdateWinnerForThisWeek5";
    overall.AddPoints(name, correct);
}

// Scores every player in user-file order; false when the user file holds
// less than one whole record, which ends the run.
bool ScorePlayers(const PicksFile& picks, StandingsFile& period, StandingsFile& overall) {
    R().CurrentRoutine = "UpdateWinnerForThisWeek2";
    if (FileLength(UserFilePath()) < kUserRecordLength) return false;
    ForEachUserRecord([&](int32_t, const UserRecord& record) {
        ScorePlayer(record, picks, period, overall);
        return true;
    });
    return true;
}

}  // namespace

void UpdateWinnerForThisWeek() {
    Run& r = R();
    r.CurrentRoutine = "UpdateWinnerForThisWeek";
    std::string weekFile;
    LoadWeekFile(weekFile);
    AppendPeriodTeams();
    SaveWinningTeamsForThisPeriod();
    StandingsFile period(PeriodWinnersFilePath(r.CurrentWeek));
    StandingsFile overall(OverallWinnersFilePath());
    PicksFile picks(PicksFilePath(r.CurrentWeek));
    if (FileExists(UserFilePath()) && !ScorePlayers(picks, period, overall)) return;
    r.CurrentRoutine = "UpdateWinnerForThisWeek6";
    overall.Sort();
    period.Sort();
    AwardTieBreak(r.TieBreaker, period, overall, picks);
    period.Save();
    overall.Save();
    AdvancePeriod();
}
