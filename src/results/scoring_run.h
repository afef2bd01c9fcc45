// The scoring run of a period.
#pragma once

class FileBatch;

// Scores the current period; every file it changes is changed with the
// batch, so that committing it makes the run take effect whole.
void UpdateWinnerForThisWeek(FileBatch& batch);
