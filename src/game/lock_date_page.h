// The administrator's lock-out date page.
#pragma once

void AdminSetLockOutDate();
