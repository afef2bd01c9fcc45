// Small HTML pieces shared by the login pages and the main menu.
#pragma once

#include <string>
#include <vector>

// The blue bold title of a page; within a size-3 font unless bare.
void TitleLines(const std::string& first, const std::string& second, bool bare = false);
// The grey, centred table of the login pages and the main menu.
void GreyTableOpen(const std::string& width);
// A left cell 200 wide: a bold label, then small-print lines.
void LabelCell(const std::string& label, const std::vector<std::string>& smallPrint);
