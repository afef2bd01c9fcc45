// The administrator's page of the players who have not saved picks for the
// open period, with one e-mail to remind them all.
#pragma once

void PlayersWithoutPicks();
