// The user database and the players list.
#pragma once

void ViewUserDatabase();
void ViewUsers();
