// The lock-out date file and the test whether picks are closed.
#pragma once

void SaveLockDate();
void LoadLockDate();
bool IsGameLocked();
// Picks are closed once the lock-out time has passed or the pool has ended.
bool PicksAreClosed();
