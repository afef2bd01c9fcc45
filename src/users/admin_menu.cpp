#include "users/admin_menu.h"

#include "cgi/output.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "core/undo_file.h"
#include "game/menu_top.h"
#include "game/periods.h"
#include "game/picks_policy.h"
#include "game/scored_periods.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"
#include "users/admission.h"
#include "users/picks_count.h"
#include "users/user_file.h"

namespace {

const char* const kGrey = "#CCCCCC";

// Text written in the cell's own colour: it keeps the layout but cannot be seen.
std::string Invisible(const std::string& text) { return "<font color=" + Quoted(kGrey) + ">" + text + "</font>"; }

void MenuEntry(const std::string& action, const std::string& label, bool checked = false) {
    Send("<input type=\"radio\" name=\"ACTION\" value=" + Quoted(action) + (checked ? " checked" : "") + "><b>" +
         label + "</b><br>");
}

// Who has picked for the open period, and the season's files to download.
void PicksAndDownloadEntries() {
    if (R().PoolEnded) {
        Send(Invisible(".") + "<i>X Players Without Picks - Not Available</i><br>");
    } else {
        MenuEntry("PLAYERSWITHOUTPICKS", "Players Without Picks");
        Send(Invisible("XX") + "<b>" + PicksSavedLine(CountPeriodPicks()) + "</b><br>");
    }
    std::vector<std::string> scored = ScoredPeriods();
    if (scored.empty()) {
        Send(Invisible(".") + "<i>X Downloads (CSV) - Not Available</i><br>");
        return;
    }
    if (FileExists(OverallWinnersFilePath())) MenuEntry("EXPORTSTANDINGS", "Download Standings (CSV)");
    std::string last = LastWeeksNumberIs();
    if (FileExists(PeriodWinnersFilePath(last)))
        MenuEntry("EXPORTRESULTS", "Download Period " + last + " Results (CSV)");
    MenuEntry("EXPORTPICKS", "Download Picks (CSV) of Period");
    std::string options;
    for (const std::string& period : scored)
        options +=
            "<option value=" + Quoted(period) + (period == scored.back() ? " selected>" : ">") + period + "</option>";
    Send(Invisible("XX") + "<select name=\"EXPORTPERIOD\" size=\"1\">" + options + "</select><br>");
}

void MenuEntries() {
    MenuEntry("ADDUSER", "Add a User", true);
    if (UserFileHasOtherUsers())
        MenuEntry("EDITUSER", "Edit / Delete a User");
    else
        Send(Invisible(".") + "<i>X Edit/Delete Users - Not Available</i><br>");
    MenuEntry("VIEWUSERS", "View Users of System");
    MenuEntry("ENTERWINNERS", "Enter Winning Teams");
    // Only the last scoring run, and only while what it wrote stands.
    if (std::optional<KeptChange> run = KeptUndo(); run && StillAsLeft(*run))
        MenuEntry("UNDOSCORING", "Undo Scoring Of Period " + run->Label);
    MenuEntry("LOCKOUTDATE", "Set Lock Out Date");
    MenuEntry("ACTIVITYLOG", "View Activity Log");
    MenuEntry("NEWUSER", "Change New User Login Status From");
    Send(Invisible("XX") + "<b>" + TrimBlanks(R().NewUserPolicy) + "</b><br>");
    Send(Invisible("XX") + "<b>PICKS " + StoredPicksPolicy() + "</b><br>");
    MenuEntry("DF", "Game Data File");
    if (PoolHasEnded()) MenuEntry("NEWSEASON", "Start A New Season");
    PicksAndDownloadEntries();
}

}  // namespace

void AdminMainMenu() { AdminMainMenuSaying(""); }

void AdminMainMenuSaying(const std::string& notice) {
    Run& r = R();
    r.CurrentRoutine = "AdminMainMenu";
    LoadNewUserStatus();
    MenuTop();
    Send("<!-- AdminMainMenu -->");
    Send("<center>");
    Send("<font face=" + Quoted(kFontFace) + " color=\"#0000FF\"><b>Welcome! " + r.CurrentUserRealName +
         "</b></font><br>");
    if (!notice.empty()) NoticeLine(notice);
    FormTag();
    Send("<table bgcolor=" + Quoted(kGrey) + R"( border="3" cellpadding="2" cellspacing="0" width="350">)");
    Send("  <tr>");
    SendLine({R"(    <td align="left" valign="top">)", FontTag("2", "#0000FF")});
    MenuEntries();
    Send("</font>");
    Send("<center>");
    ImageButton("Fsubmit.gif", "Submit");
    LoginFields();
    Send("</center>");
    Send("</form>");
    ReturnToMainMenuForm();
    Send("    </td>");
    Send("  </tr>");
    Send("</table>");
    Send("</center>");
    Send("<br><br>");
    PageEnd();
}
