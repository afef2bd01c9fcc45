// The players' pick pages.
#pragma once

#include <string>

// The pick sheet; a notice line above it when given.
void ThisWeeksPicks(const std::string& notice = "");
void ConfirmThisWeeksPicks();
// A confirmation names the period whose games it showed; kept open while
// that period was scored (or its scoring undone), it is not saved into
// another. "" when it may be saved (a page without the name included).
std::string PicksPeriodRefusal();
