// The players' pick pages.
#pragma once

#include <string>

// The pick sheet; a notice line above it when given.
void ThisWeeksPicks(const std::string& notice = "");
void ConfirmThisWeeksPicks();
// A confirmation names the period whose games it showed: one for another
// period than the open one (OtherPeriodSent) is not saved. "" when it may be.
std::string PicksPeriodRefusal();
