// The bordered user tables of the administrator's pages and the user lists.
#pragma once

#include <string>
#include <string_view>

#include "cgi/output.h"

// A centred bordered table (cell spacing 0, cell padding 5); left open.
void OpenUserTable(const std::string& width);
void OpenHeaderRow();
// A white, small, bold heading; a second word goes on a source line of its own.
void HeadingCell(const std::string& width, const std::string& first, const std::string& second = "");
// The two headings every user table starts with: e-mail and real name.
void EmailAndNameHeadings();
// The font of the cells' small text.
const std::string& SmallCellFont();
// Centred small text: the opening with the width, the value's pieces as one
// line, the closing; a user list has several on every row, so the three
// lines go out as one piece.
template <class... Piece>
void SmallCell(std::string_view width, const Piece&... value) {
    SendLine({"    <td width=\"", width, R"("><div align="center">)", SmallCellFont(), "\r\n",
              std::string_view(value)..., "\r\n</font></div></td>"});
}
