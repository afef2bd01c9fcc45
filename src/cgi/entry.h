// The run's entry and its failure path.
#pragma once

struct RunFailure;

// Runs one request: reads it, lets answer write the page; returns the
// process exit status (always 0: every failure has become the error page)
// once the page is sent, also after a page that ended the run (EndRun).
int RequestEntry(void (*answer)());
void WriteErrorPage();
// Logs a failure that the page goes on from as the error page would, unless
// the error log already ends with that entry: a fault that stays adds one
// entry, not one a request.
void LogFailureOnce(const RunFailure& failure);
