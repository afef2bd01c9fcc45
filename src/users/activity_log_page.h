// The administrator's page of the activity log, the players' requests newest
// first.
#pragma once

void AdminViewActivityLog();
