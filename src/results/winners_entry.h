// The administrator's pages for entering a period's winners.
#pragma once

void EnterWinners();
void ConfirmWeeklyWinners();
// True when the confirmation must not be scored: the season has ended, it
// was made for a period that is no longer the current one, or its winning
// teams or actual score do not pass; the administrator's menu then says why
// and nothing is scored. Fails with 6 when the current period could not advance.
bool ScoringRefused();
