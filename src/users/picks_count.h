// Who of the players has saved picks for the open period (CurrentWeek).
// The players are the live users who are not waiting for approval; the
// administrator plays like anyone else and counts as one of them.
#pragma once

#include <string>
#include <vector>

struct PlayerWithoutPicks {
    std::string Name, Email;  // as stored, the address in lower case
};

struct PeriodPicksCount {
    int Players = 0, Saved = 0;
    std::vector<PlayerWithoutPicks> Without;  // in the user file's order
};

PeriodPicksCount CountPeriodPicks();
// "12 of 15 players have saved their picks for Period 4".
std::string PicksSavedLine(const PeriodPicksCount& count);
