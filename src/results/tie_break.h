// The tie-break at the top of a period.
#pragma once

#include <string>

#include "game/picks_store.h"
#include "results/standings.h"

// Breaks a tie at the top of the period with the tie-breaker guesses; the
// winners get one point in both files.
void AwardTieBreak(const std::string& actual, StandingsFile& period, StandingsFile& overall, const PicksFile& picks);
