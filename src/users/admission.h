// The new-user admission policy.
#pragma once

#include <string>

// The policy in the new-user status file, trimmed and upper-cased;
// "ALLOWALL" while there is no file.
std::string StoredNewUserPolicy();
void LoadNewUserStatus();
class FileBatch;
// Stores NewUserPolicy, as it came, with the batch.
void SaveNewUserStatus(FileBatch& batch);
