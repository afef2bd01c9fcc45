// The rows and lists from which the administrator's user pages are built.
#pragma once

#include <string>

#include "core/run.h"

void UserStatusSelect();
// The add row: empty, or as typed when it comes back refused.
void adminmiddle(const UserRecord* typed = nullptr);
// The row prefilled with a user, naming the player it edits.
void EditUserRow(const UserRecord& shown, const std::string& editedName);
// The live users after record 1, by real name.
void UserRealNameSelect();
void EditUserChoiceRow();
void DatabaseUpdated();
