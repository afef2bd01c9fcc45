// The bordered user tables of the administrator's pages and the user lists.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// A centred bordered table (cell spacing 0, cell padding 5); left open.
void OpenUserTable(const std::string& width);
void OpenHeaderRow();
// A white, small, bold heading; a second word goes on a source line of its own.
void HeadingCell(const std::string& width, const std::string& first, const std::string& second = "");
// The two headings every user table starts with: e-mail and real name.
void EmailAndNameHeadings();
// Centred small text: the opening with the width, the value (its pieces as
// one line), the closing.
void SmallCell(std::string_view width, std::initializer_list<std::string_view> value);
