// The frame shared by the pages built around a pick sheet.
#pragma once

#include <string>
#include <string_view>

// "<center>" and the caption lines, ending with the page's identifying comment.
void SheetCaption(std::string_view caption, std::string_view comment);
// Sets CurrentRoutine, writes the page head, then SheetCaption.
void SheetPageTop(const std::string& routine, std::string_view caption, std::string_view comment);
// The sheet of CurrentWeek inside its form (opened for next) and table,
// with the tie-breaker row.
void SheetOfCurrentWeek(const std::string& next);
// Hidden LINENUMBER, the image button, and the end of the sheet's form.
void SheetSubmit(std::string_view picture, std::string_view alt);
// "</center>", the page footer and the end of the document.
void SheetPageEnd();
