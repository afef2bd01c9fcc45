// The player's main menu.
#pragma once

#include <string>

void MainMenu();
// The main menu with one notice line under its welcome ("" for none).
void MainMenuWithNotice(const std::string& notice);
