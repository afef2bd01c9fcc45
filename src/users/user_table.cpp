#include "users/user_table.h"

#include "cgi/output.h"
#include "html/form_pieces.h"

void OpenUserTable(const std::string& width) {
    Send("<table width=" + Quoted(width) + R"( border="1" cellspacing="0" cellpadding="5" align="center">)");
}

void OpenHeaderRow() { Send(R"(  <tr bgcolor="#000066">)"); }

void HeadingCell(const std::string& width, const std::string& first, const std::string& second) {
    static constexpr FontTag kFont("1", "#FFFFFF");
    if (second.empty()) {
        SendLine({"    <td width=\"", width, R"("><div align="center">)", kFont, "<b>", first, "</b></font></div></td>"});
        return;
    }
    SendLine({"    <td width=\"", width, R"("><div align="center">)", kFont, "<b>", first});
    SendLine({"      ", second, "</b></font></div></td>"});
}

void EmailAndNameHeadings() {
    HeadingCell("216", "Email", "Address");
    HeadingCell("210", "Real", "Name");
}

std::string SmallCellOpening(std::string_view width) {
    static constexpr FontTag kFont("1");
    return "    <td width=\"" + std::string(width) + R"("><div align="center">)" + std::string(kFont) + "\r\n";
}
