// Small HTML pieces shared by the login pages, the main menu and the
// admission policy page.
#pragma once

#include <string>
#include <vector>

#include "html/page_blocks.h"

// <font face="..." size="n"> with an optional colour.
std::string FontTag(const std::string& size, const std::string& color = "");
// The blue bold title of a page; within a size-3 font unless bare.
void TitleLines(const std::string& first, const std::string& second, bool bare = false);
// The grey, centred table of the login pages and the main menu.
void GreyTableOpen(const std::string& width);
// A left cell 200 wide: a bold label, then small-print lines.
void LabelCell(const std::string& label, const std::vector<std::string>& smallPrint);
// One radio button, pre-selected when checked.
void RadioButton(const std::string& name, const std::string& value, bool checked);
// A table row that holds only a submit button across both columns.
void SubmitRow(const std::string& value);
