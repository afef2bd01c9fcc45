// What the data folder holds before a run reads it: a journal of changes a
// dead run had not finished, its work files, and a season delivered by hand.
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
// A season delivered as "zrp.cfg" becomes the pool's game data file.
void TakeOverDeliveredGameFile();
