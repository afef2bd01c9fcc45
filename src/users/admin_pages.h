// The administrator's menu and user pages.
#pragma once

#include <string>

void AdminMainMenu();
// The menu with one notice line under its welcome.
void AdminMainMenuSaying(const std::string& notice);
void AddUser();
void AdminUpdate();
void EditUser();
void EditThisUser();
void UserTableHead(const std::string& caption);
