// The game data file, the week file, the teams files and the periods.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Loads CurrentWeek, FirstWeek, LastWeek (creating the week file when
// missing); weekFile receives the week file's path.
void LoadWeekFile(std::string& weekFile);
void GetBeginandEndWeekOfDataFile(std::string& first, std::string& last);
class FileBatch;
// The week file made to fit the game data file as the batch leaves it.
void RefreshWeekFile(FileBatch& batch);
void AdvancePeriod(FileBatch& batch);
// The week file of a new season: the first period of the game data file is
// the current one, as when the pool began.
void StartWeekFileAnew(FileBatch& batch);
// The number after CurrentWeek; failure 6 when it is out of range.
std::string NextPeriodNumber();
// The period number the scan takes from a line: the digits after its first
// "WEEK" in any case and blanks ("" when none).
std::string ScannedPeriodNumber(const std::string& line);
// The number of a period header: the digits right after an upper-case
// "WEEK" ("" when the line is no header).
std::string HeaderPeriodNumber(const std::string& line);
std::string LastWeeksNumberIs();
// The pool has ended: the last period's number is below the current one's.
bool PoolHasEnded();
// The period a confirmation's PERIOD field names when it is not CurrentWeek:
// the page was made before that period was scored (or its scoring undone).
// "" when it is CurrentWeek, or for a page made before pages carried it.
std::string OtherPeriodSent();
// Adds the current period's games to its teams file; LINENUMBER ends at
// their number.
void ArchivePeriodTeams(FileBatch& batch);
// The game lines of one period, trimmed, with " at " replaced by ",".
std::vector<std::string> PeriodGameLines(const std::string& period);
// The two teams of a game line; a line without a comma is failure 5.
void SplitTeams(std::string_view line, std::string_view& first, std::string_view& second);
