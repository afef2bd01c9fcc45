// The players' pick pages.
#pragma once

#include <string>

// The pick sheet; a notice line above it when given.
void ThisWeeksPicks(const std::string& notice = "");
void ConfirmThisWeeksPicks();
