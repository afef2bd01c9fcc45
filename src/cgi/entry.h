// The run's entry and its failure path.
#pragma once

// Runs one request: reads it, lets answer write the page; returns the
// process exit status (always 0: every failure has become the error page).
int RequestEntry(void (*answer)());
// A page that has ended: sends what is held and ends the process, as the
// entry would after it.
[[noreturn]] void LeaveAfterPage();
void WriteErrorPage();
