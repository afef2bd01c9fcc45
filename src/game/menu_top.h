// The head of every page: the date, the lock-out, the player, the header
// picture, the administrator and the period.
#pragma once

// Reads the week file and the lock-out date first.
void MenuTop();
