// The player's main menu.
#pragma once

void MainMenu();
