// The bordered user tables of the administrator's pages and the user lists.
#pragma once

#include <string>
#include <string_view>

// A centred bordered table (cell spacing 0, cell padding 5); left open.
void OpenUserTable(const std::string& width);
void OpenHeaderRow();
// A white, small, bold heading; a second word goes on a source line of its own.
void HeadingCell(const std::string& width, const std::string& first, const std::string& second = "");
// The two headings every user table starts with: e-mail and real name.
void EmailAndNameHeadings();
// The opening of a cell of centred small text, up to the line break before
// its text; a list builds each once and sends its rows as few long pieces.
std::string SmallCellOpening(std::string_view width);
// What closes such a cell after its text (without the last line break).
inline constexpr std::string_view kSmallCellClosing = "\r\n</font></div></td>";
