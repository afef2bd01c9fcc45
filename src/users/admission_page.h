// The administrator's page that chooses how new players are admitted.
#pragma once

void PickNewUserStatus();
