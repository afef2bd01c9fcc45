// The administrator's main menu.
#pragma once

void AdminMainMenu();
