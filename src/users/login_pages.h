// The pages of the login flow.
#pragma once

void LoginScreen();
// Ends the run itself.
[[noreturn]] void NotListedPage();
void LoginAnewUser();
void NewUserMustBeApproved();
void NoNewUsers();
