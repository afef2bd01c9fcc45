// The run's entry and its failure path.
#pragma once

// Runs one request; returns the process exit status (always 0: every
// failure has become the error page).
int RequestEntry();
void WriteErrorPage();
