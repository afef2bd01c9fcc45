// Where the pool's files lie and how the program addresses itself, all
// derived from where the program is and the CGI variables.
#pragma once

#include <string>
#include <string_view>

std::string FolderOf(const std::string& path);
std::string ScriptFileNameOf(const std::string& scriptName);
// The folders, file names and addresses of the run, in order; ends holding
// the folder lock.
void DeriveFoldersAndAddresses();
// One exclusive lock on the data folder for the whole run, so every
// read-modify-write of a run is atomic towards other runs; a run that waits
// longer than FolderLockWaitSeconds for it fails, naming the lock.
void LockDataFolder(const std::string& folder);

// DataFolder + DataFilePrefix + name part.
std::string DataPath(std::string_view namePart);
std::string UserFilePath();
std::string ErrorLogPath();
// The field bytes of each user record, derived from the user file.
std::string UserFieldsFilePath();
std::string NewUserStatusFilePath();
std::string PicksPolicyFilePath();
std::string LockDateFilePath();
std::string CommentsFilePath();
// Comments pushed off the board, only ever appended to.
std::string CommentsArchivePath();
std::string WeekFilePath();
std::string GameDataFilePath();
std::string PicksFilePath(const std::string& week);
std::string WinningPicksFilePath(const std::string& week);
std::string TeamsFilePath(const std::string& week);
std::string PeriodWinnersFilePath(const std::string& week);
std::string OverallWinnersFilePath();
