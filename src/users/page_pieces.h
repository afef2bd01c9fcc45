// Small HTML pieces shared by the login pages and the main menu.
#pragma once

#include <initializer_list>
#include <string_view>

// The blue bold title of a page; within a size-3 font unless bare.
void TitleLines(std::string_view first, std::string_view second, bool bare = false);
// The grey, centred table of the login pages and the main menu.
void GreyTableOpen(std::string_view width);
// A left cell 200 wide: a bold label, then small-print lines.
void LabelCell(std::string_view label, std::initializer_list<std::string_view> smallPrint);
