// The rows and lists from which the administrator's user pages are built.
#pragma once

void UserStatusSelect();
// The empty add row.
void adminmiddle();
// The row prefilled with the user in the record buffer.
void EditUserRow();
// The live users after record 1, by real name.
void UserRealNameSelect();
void EditUserChoiceRow();
void DatabaseUpdated();
