// The administrator's editor of the game data file.
#pragma once

void RegViewTeamDataFile();
void SaveDataFile();
