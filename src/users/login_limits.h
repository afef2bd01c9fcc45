// Limits on guessing and on filling the pool: wrong passwords are counted per
// account (10 in any 15 minutes lock it for 15 minutes, whatever address the
// logins come from), registrations per remote address (100 an hour) and per
// pool (300 an hour). The state lies in three small files of one format,
// each bounded (see login_limits.cpp).
#pragma once

#include <string>

// Ends the run with the wait page while the account of the run's record
// (the one the login named) is locked, whatever the password.
void WaitWhileAccountLocked();
// Counts a wrong password for the account of the run's record; the tenth in
// 15 minutes locks it.
void CountWrongPassword();

class FileBatch;

// The file of registrations: one line each, appended.
std::string RegistrationsFilePath();
// The line to add to RegistrationsFilePath() with the new player's record,
// which counts his registration; ends the run with a wait page instead when
// the remote address or the pool has had its registrations for the hour.
std::string RegistrationEntry();
// Adds that line with the batch that adds the player: the only write that
// counts a registration, made together with his record or not at all.
void CountRegistration(FileBatch& batch, const std::string& entry);
