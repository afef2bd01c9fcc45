// The players' pick pages.
#pragma once

void ThisWeeksPicks();
void ConfirmThisWeeksPicks();
