// The new-user admission policy.
#pragma once

void LoadNewUserStatus();
void SaveNewUserStatus();
void PickNewUserStatus();
