// The run's entry and its failure path.
#pragma once

// Runs one request: reads it, lets answer write the page; returns the
// process exit status (always 0: every failure has become the error page)
// once the page is sent, also after a page that ended the run (EndRun).
int RequestEntry(void (*answer)());
void WriteErrorPage();
