// What a dead run left in the data folder: a journal of changes it had not
// finished, and its work files.
#pragma once

#include <string>

// True when name (a file of the data folder) is a work file of this pool:
// it starts with the data file prefix or the game data file's name and ends
// in ".new", ".tmp" or ".ddd".
bool IsWorkFileName(const std::string& name);
// Under the folder lock, before anything else: finishes every journal of
// the folder, then removes this pool's work files and the files it no
// longer keeps.
void TidyDataFolder();
