#include "results/scoring_run.h"

#include "core/file_batch.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "game/periods.h"
#include "game/picks_store.h"
#include "results/standings.h"
#include "results/tie_break.h"
#include "users/user_record.h"
#include "users/user_walks.h"

// The run reads the user, picks and standings files once and writes each
// standings file once; they end exactly as scoring the players one by one
// would leave them.

namespace {

void ScorePlayer(const UserRecord& record, const PicksFile& picks, StandingsFile& period, StandingsFile& overall) {
    Run& r = R();
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
    R().CurrentRoutine = "UpdateWinnerForThisWeek3";
    ForEachUserRecord([&](int32_t, const UserRecord& record) {
        ScorePlayer(record, picks, period, overall);
        // The stage of the next record's read.
        R().CurrentRoutine = "UpdateWinnerForThisWeek3";
        return true;
    });
    return true;
}

}  // namespace

void UpdateWinnerForThisWeek(FileBatch& batch) {
    Run& r = R();
    r.CurrentRoutine = "UpdateWinnerForThisWeek";
    std::string weekFile;
    LoadWeekFile(weekFile);
    ArchivePeriodTeams(batch);
    SaveWinningTeamsForThisPeriod(batch);
    StandingsFile period(PeriodWinnersFilePath(r.CurrentWeek));
    StandingsFile overall(OverallWinnersFilePath());
    PicksFile picks(PicksFilePath(r.CurrentWeek));
    if (FileExists(UserFilePath()) && !ScorePlayers(picks, period, overall)) return;
    r.CurrentRoutine = "UpdateWinnerForThisWeek6";
    overall.Sort();
    period.Sort();
    AwardTieBreak(r.TieBreaker, period, overall, picks);
    period.Save(batch);
    overall.Save(batch);
    AdvancePeriod(batch);
}
