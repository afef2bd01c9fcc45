// The bordered user tables of the administrator's pages and the user lists.
#pragma once

#include <string>

// A centred bordered table (cell spacing 0, cell padding 5); left open.
void OpenUserTable(const std::string& width);
void OpenHeaderRow();
// A white, small, bold heading; a second word goes on a source line of its own.
void HeadingCell(const std::string& width, const std::string& first, const std::string& second = "");
// The two headings every user table starts with: e-mail and real name.
void EmailAndNameHeadings();
// Centred small text: the opening with the width, the value, the closing.
void SmallCell(const std::string& width, const std::string& value);
