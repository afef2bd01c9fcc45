// The request state: every form field a page uses, read once per run.
#pragma once

// False when an action came without an e-mail address or a password: the
// reading stops there, and the caller shows the not-listed page.
bool GetData();
