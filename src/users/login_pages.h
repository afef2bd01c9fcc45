// The pages of the login flow.
#pragma once

void LoginScreen();
// Ends the run itself.
[[noreturn]] void NotListedPage();
// With nameTaken, says that another player already has the name typed.
void LoginAnewUser(bool nameTaken = false);
void NewUserMustBeApproved();
void NoNewUsers();
