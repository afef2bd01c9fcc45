// The administrator's menu and user pages.
#pragma once

#include <string>

void AdminMainMenu();
void AddUser();
void AdminUpdate();
void EditUser();
void EditThisUser();
void UserTableHead(const std::string& caption);
