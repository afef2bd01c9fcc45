// Reading the user file: walks of every record, one record by its number,
// and the lookup of the run's player. A walk reads the copy of the fields
// (users/user_fields.h) where it describes the file.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "users/user_file.h"

// Calls visit(number, record) for each whole record in file order until it
// answers false. The scoring run's and the editor's walks read a copy that
// is there but never make one.
void ForEachUserRecord(const std::function<bool(int32_t, const UserRecord&)>& visit);
// The same walk with nothing copied, the fields valid during the call only;
// a walk for a page, which leaves the copy behind it. Answers the number of
// the last record visited (0 when none).
int32_t ForEachUserFields(const std::function<bool(int32_t, const UserFieldViews&)>& visit);
// The record of that number (from 1), which the file holds whole.
UserRecord ReadUserRecord(int32_t number);
// "NOUSERFILEYET", "YES", "MAYBE", "PASSWORD ERROR" or "": the first live
// record that answers becomes the run's, found through the copy of the
// fields, which the lookup makes when there is none.
std::string getrecord(const std::string& mode);
