#include "core/run.h"

static Run g_run;

Run& R() { return g_run; }

void ResetRun() { g_run = Run{}; }
