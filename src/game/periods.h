// The game data file, the week file, the teams files and the periods.
#pragma once

#include <string>
#include <vector>

// Loads CurrentWeek, FirstWeek, LastWeek (creating the week file when
// missing); weekFile receives the week file's path.
void LoadWeekFile(std::string& weekFile);
void GetBeginandEndWeekOfDataFile(std::string& first, std::string& last);
void RefreshWeekFile();
void AdvancePeriod();
std::string LastWeeksNumberIs();
// The pool has ended: the last period's number is below the current one's.
bool PoolHasEnded();
void AppendTeamsLine(const std::string& line);
// The game lines of one period, trimmed, with " at " replaced by ",".
std::vector<std::string> PeriodGameLines(const std::string& period);
// The two teams of a game line; a line without a comma is failure 5.
void SplitTeams(const std::string& line, std::string& first, std::string& second);
