#include "game/lock_date_page.h"

#include "cgi/output.h"
#include "core/clock.h"
#include "core/run.h"
#include "core/text.h"
#include "game/menu_top.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"

namespace {

std::string TwoDigits(int v) { return (v < 10 ? "0" : "") + NumText(v); }

void LabelCell(const std::string& label) {
    Send(R"(    <td align="right">)" + FontTag("2") + "<b>" + label + "</b></font></td>");
}

// A label and its list; the first option is the one selected.
void ListPair(const std::string& label, const std::string& name, int from, int to) {
    LabelCell(label);
    Send("    <td>");
    Send("<select name=" + Quoted(name) + " size=\"1\">");
    for (int v = from; v <= to; ++v) {
        std::string value = TwoDigits(v);
        Send("         <option value=" + Quoted(value) + (v == from ? " selected" : "") + ">" + value + "</option>");
    }
    Send("</select>");
    Send("    </td>");
}

void DateTimeTable() {
    int year = NowLocal().Year;
    Send(R"(<table width="550" border="0" cellspacing="0" cellpadding="5" align="center">)");
    Send("  <tr>");
    ListPair("Month:", "MONTH", 1, 12);
    ListPair("Day:", "DAY", 1, 31);
    ListPair("Year:", "YEAR", year, year + 3);
    Send("  </tr>");
    Send("  <tr>");
    LabelCell("&nbsp;");
    Send("    <td>&nbsp;</td>");
    ListPair("Hour:", "HOUR", 0, 23);
    ListPair("Minute :", "MINUTE", 0, 59);
    Send("  </tr>");
    CloseTable();
}

}  // namespace

void AdminSetLockOutDate() {
    R().CurrentRoutine = "AdminSetLockOutDate";
    MenuTop();
    PageCaption("<br><i><b>Lock Out Date</b></i><br><br>");
    Send("<!-- AdminLockOutDate -->");
    Send(FormTag());
    HiddenField("ACTION", "SETLOCKDATE");
    LoginFields();
    DateTimeTable();
    Send("<br>");
    SubmitButton("Enter Lock Out Date");
    Send("</form>");
    ReturnToAdminMenuForm();
    CentredPageEnd();
}
