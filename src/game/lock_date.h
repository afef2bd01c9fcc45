// The lock-out date file and the test whether picks are closed.
#pragma once

void SaveLockDate();
void LoadLockDate();
bool IsGameLocked();
