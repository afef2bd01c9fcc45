// The administrator's pages for entering a period's winners.
#pragma once

void EnterWinners();
void ConfirmWeeklyWinners();
