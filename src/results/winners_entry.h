// The administrator's pages for entering a period's winners.
#pragma once

void EnterWinners();
void ConfirmWeeklyWinners();
// True when the confirmation was made for a period that is no longer the
// current one; the administrator's menu then says so and nothing is scored.
// Fails with 6 when the current period could not advance.
bool ConfirmedPeriodWasScored();
