// The login check of every request with an action, and what follows a refusal.
#pragma once

bool ApproveLogin();
// The refused-login steps: always end with one of the login pages.
void RefusedLogin();
