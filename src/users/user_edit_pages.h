// The administrator's user pages: add, edit and delete players.
#pragma once

#include <string>

void AddUser();
void AdminUpdate();
void EditUser();
void EditThisUser();
void UserTableHead(const std::string& caption);
