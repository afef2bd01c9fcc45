// A new season: the files of the season that ended move into a folder of
// the pool named for it, and the pool starts again at the first period of
// the game data file. The players, the comments and the logs stay.
#pragma once

// The confirmation page (action NEWSEASON).
void ConfirmNewSeason();
// Moves the season and starts the new one (action NEWSEASONFINAL).
void StartNewSeason();
