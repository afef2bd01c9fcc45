#include "users/page_pieces.h"

#include "cgi/output.h"
#include "html/form_pieces.h"

void TitleLines(std::string_view first, std::string_view second, bool bare) {
    if (!bare) Send(FontTag("3"));
    SendLine({"  <p><b> ", FontTag("2", "#000099")});
    Send(first);
    Send(second);
}

void GreyTableOpen(std::string_view width) {
    SendLine({"<TABLE BGCOLOR=\"#CCCCCC\" BORDER=\"3\" CELLPADDING=\"2\" CELLSPACING=\"0\" WIDTH=\"", width,
              "\" ALIGN=\"CENTER\">"});
}

void LabelCell(std::string_view label, std::initializer_list<std::string_view> smallPrint) {
    SendLine({"    <td width=\"200\">", FontTag("2")});
    Send(label);
    Send("<font size=\"1\">");
    for (std::string_view line : smallPrint) Send(line);
    // A label whose last line already closes the cell needs nothing more.
    if (smallPrint.size() == 0 || (smallPrint.end() - 1)->find("</td>") == std::string_view::npos)
        Send("</font></font></td>");
}
