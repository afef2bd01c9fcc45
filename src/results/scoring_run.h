// The scoring run of a period.
#pragma once

void UpdateWinnerForThisWeek();
