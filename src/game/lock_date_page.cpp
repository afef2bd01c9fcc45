#include "game/lock_date_page.h"

#include <algorithm>
#include <vector>

#include "cgi/output.h"
#include "core/clock.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "game/lock_date.h"
#include "game/menu_top.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"

namespace {

std::string TwoDigits(int v) { return (v < 10 ? "0" : "") + NumText(v); }

void LabelCell(const std::string& label) {
    SendLine({R"(    <td align="right">)", FontTag("2"), "<b>", label, "</b></font></td>"});
}

// The date the lists show selected: the stored one, else a week from now
// at this time of day, which does not lock the game at once.
struct ShownDate {
    std::string Month, Day, Year, Hour, Minute;
};

ShownDate DateToShow() {
    const Run& r = R();
    if (FileExists(LockDateFilePath())) {
        LoadLockDate();
        return {TrimBlanks(r.Month), TrimBlanks(r.Day), TrimBlanks(r.Year), TrimBlanks(r.Hour), TrimBlanks(r.Minute)};
    }
    LocalTime t = LocalTimeInDays(7);
    return {TwoDigits(t.Month), TwoDigits(t.Day), NumText(t.Year), TwoDigits(t.Hour), TwoDigits(t.Minute)};
}

// A label and its list with shown selected; a stored value that the range
// does not hold is offered too, so the page sent back unchanged keeps it.
void ListPair(const std::string& label, const std::string& name, int from, int to, const std::string& shown) {
    std::vector<std::string> values;
    for (int v = from; v <= to; ++v) values.push_back(TwoDigits(v));
    if (std::ranges::find(values, shown) == values.end())
        values.insert(Val(shown) < from ? values.begin() : values.end(), shown);
    LabelCell(label);
    Send("    <td>");
    Send("<select name=" + Quoted(name) + " size=\"1\">");
    for (const std::string& value : values)
        Send("         <option value=" + Quoted(value) + (value == shown ? " selected" : "") + ">" + value +
             "</option>");
    Send("</select>");
    Send("    </td>");
}

void DateTimeTable() {
    int year = NowLocal().Year;
    ShownDate shown = DateToShow();
    Send(R"(<table width="550" border="0" cellspacing="0" cellpadding="5" align="center">)");
    Send("  <tr>");
    ListPair("Month:", "MONTH", 1, 12, shown.Month);
    ListPair("Day:", "DAY", 1, 31, shown.Day);
    ListPair("Year:", "YEAR", year, year + 3, shown.Year);
    Send("  </tr>");
    Send("  <tr>");
    LabelCell("&nbsp;");
    Send("    <td>&nbsp;</td>");
    ListPair("Hour:", "HOUR", 0, 23, shown.Hour);
    ListPair("Minute :", "MINUTE", 0, 59, shown.Minute);
    Send("  </tr>");
    CloseTable();
}

}  // namespace

void AdminSetLockOutDate() {
    R().CurrentRoutine = "AdminSetLockOutDate";
    MenuTop();
    PageCaption("<br><i><b>Lock Out Date</b></i><br><br>");
    Send("<!-- AdminLockOutDate -->");
    FormTag();
    HiddenField("ACTION", "SETLOCKDATE");
    LoginFields();
    DateTimeTable();
    Send("<br>");
    SubmitButton("Enter Lock Out Date");
    Send("</form>");
    ReturnToAdminMenuForm();
    CentredPageEnd();
}
