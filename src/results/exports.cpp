#include "results/exports.h"

#include <algorithm>
#include <set>

#include "cgi/form.h"
#include "cgi/output.h"
#include "core/csv.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/references.h"
#include "core/run.h"
#include "core/text.h"
#include "game/periods.h"
#include "game/picks_store.h"
#include "game/scored_periods.h"
#include "results/standings_records.h"
#include "users/admin_menu.h"

namespace {

using CsvRows = std::vector<std::vector<std::string>>;

// Every row is made before the header goes out, so that a failure still
// ends in the error page alone.
void SendCsv(const std::string& fileName, const CsvRows& rows) {
    SendCsvHeader(fileName);
    for (const std::vector<std::string>& row : rows) Send(CsvRow(row));
}

// A stored name or team as the pages show it.
std::string AsPagesShow(const std::string& stored) { return DecodeCharacterReferences(TrimBlanks(stored)); }

// The name and points of each record, and its third line where the heading
// has a third column.
void SendStandings(const std::string& path, const std::string& fileName, const std::vector<std::string>& heading) {
    CsvRows rows = {heading};
    for (const StandingsRecord& record : ReadStandingsRecords(path)) {
        rows.push_back({AsPagesShow(record.Name), TrimBlanks(record.Points)});
        if (heading.size() > 2) rows.back().push_back(TrimBlanks(record.Third));
    }
    SendCsv(fileName, rows);
}

// The games of a scored period: the teams kept when it was scored, else
// those of the game data file.
std::vector<std::string> ScoredGames(const std::string& period) {
    std::string archive = TeamsFilePath(period);
    return FileExists(archive) ? ReadTextLines(archive) : PeriodGameLines(period);
}

// A player's row: the team picked in each game ("" for no choice), his
// guess, his correct picks against the winning picks in UWP.
std::vector<std::string> PicksRow(const PicksFile& picks, const std::string& name,
                                  const std::vector<std::pair<std::string, std::string>>& teams) {
    std::string chosen = TrimBlanks(picks.Line(picks.Find(name) + 1));
    std::vector<std::string> row = {AsPagesShow(name)};
    for (size_t game = 0; game < teams.size(); ++game) {
        char pick = game < chosen.size() ? chosen[game] : '5';
        row.push_back(pick == '0' ? teams[game].first : pick == '1' ? teams[game].second : "");
    }
    row.push_back(TieBreakerGuess(picks, name));
    row.push_back(NumText(CountCorrectPicks(picks, name)));
    return row;
}

}  // namespace

void ExportStandings() {
    R().CurrentRoutine = "ExportStandings";
    if (!FileExists(OverallWinnersFilePath())) return AdminMainMenuSaying("There are no standings to download yet.");
    SendStandings(OverallWinnersFilePath(), "zarn-pool-standings.csv", {"Name", "Winning Picks"});
}

void ExportLastPeriodResults() {
    R().CurrentRoutine = "ExportLastPeriodResults";
    std::string weekFile;
    LoadWeekFile(weekFile);
    std::string period = LastWeeksNumberIs();
    if (!FileExists(PeriodWinnersFilePath(period)))
        return AdminMainMenuSaying("There are no results of the last period to download.");
    SendStandings(PeriodWinnersFilePath(period), "zarn-pool-period-" + period + "-results.csv",
                  {"Name", "Correct", "Missed"});
}

// One row a player, his first record as every reader takes it, in the
// order the players saved.
void ExportPeriodPicks() {
    Run& r = R();
    r.CurrentRoutine = "ExportPeriodPicks";
    std::string period = TrimBlanks(GetCgiValue("EXPORTPERIOD"));
    std::vector<std::string> scored = ScoredPeriods();
    if (std::ranges::find(scored, period) == scored.end())
        return AdminMainMenuSaying("Only the picks of a scored period can be downloaded.");
    CsvRows rows = {{"Name"}};
    std::vector<std::pair<std::string, std::string>> teams;
    for (const std::string& game : ScoredGames(period)) {
        std::string_view first, second;
        SplitTeams(game, first, second);
        teams.emplace_back(AsPagesShow(std::string(first)), AsPagesShow(std::string(second)));
        rows[0].push_back(teams.back().first + " at " + teams.back().second);
    }
    rows[0].insert(rows[0].end(), {"Tie Breaker", "Correct Picks"});
    r.Uwp = TrimBlanks(LineReader(WinningPicksFilePath(period)).Next());
    PicksFile picks(PicksFilePath(period));
    std::vector<std::string> lines = picks.Exists() ? ReadTextLines(PicksFilePath(period)) : std::vector<std::string>{};
    std::set<std::string> seen;
    for (size_t i = 0; i < lines.size(); i += 3) {
        std::string key = UCase(TrimBlanks(lines[i]));
        if (!key.empty() && seen.insert(key).second) rows.push_back(PicksRow(picks, lines[i], teams));
    }
    SendCsv("zarn-pool-period-" + period + "-picks.csv", rows);
}
