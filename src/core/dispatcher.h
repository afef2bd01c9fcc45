// The request's main routine: start-up, then one handler chosen by ACTION.
#pragma once

#include <string>

void ActionDispatcher();
// The start-up steps before dispatch (folders, images, administrator,
// request state, activity record).
void StartUp();
// The row a logged-in player's action selects, by the action trimmed and
// upper-cased; false when the table has no such row.
bool RunActionHandler(const std::string& action);
