// The administrator's main menu.
#pragma once

#include <string>

void AdminMainMenu();
// The menu with one notice line under its welcome.
void AdminMainMenuSaying(const std::string& notice);
