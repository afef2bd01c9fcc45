#include "users/page_pieces.h"

#include "cgi/output.h"
#include "core/text.h"
#include "html/form_pieces.h"

void TitleLines(const std::string& first, const std::string& second, bool bare) {
    if (!bare) Send(FontTag("3"));
    Send("  <p><b> " + FontTag("2", "#000099"));
    Send(first);
    Send(second);
}

void GreyTableOpen(const std::string& width) {
    Send("<TABLE BGCOLOR=\"#CCCCCC\" BORDER=\"3\" CELLPADDING=\"2\" CELLSPACING=\"0\" WIDTH=" + Quoted(width) +
         " ALIGN=\"CENTER\">");
}

void LabelCell(const std::string& label, const std::vector<std::string>& smallPrint) {
    Send("    <td width=\"200\">" + FontTag("2"));
    Send(label);
    Send("<font size=\"1\">");
    for (const std::string& line : smallPrint) Send(line);
    // A label whose last line already closes the cell needs nothing more.
    if (smallPrint.empty() || !Contains(smallPrint.back(), "</td>")) Send("</font></font></td>");
}
