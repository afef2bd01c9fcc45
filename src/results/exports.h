// The administrator's downloads: the standings and a scored period's picks
// as CSV files, the pool's bytes as they are (Windows-1252).
#pragma once

void ExportStandings();
void ExportLastPeriodResults();
// The period comes in the field EXPORTPERIOD.
void ExportPeriodPicks();
