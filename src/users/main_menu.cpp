#include "users/main_menu.h"

#include "cgi/output.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "game/lock_date.h"
#include "game/menu_top.h"
#include "game/periods.h"
#include "game/picks_store.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"
#include "users/page_pieces.h"

static void ExitLink();

namespace {

void Entry(std::string_view action, std::string_view text, bool checked = false) {
    RadioButton("ACTION", action, checked);
    SendLine({"          <b>", text, "</b><br>"});
}

// A grey dot where the button would be, then the entry's text in italics.
void NotAvailable(std::string_view opening, std::string_view text) {
    SendLine({opening, "\"", kFontFace, "\" color=\"#CCCCCC\" size=\"2\">.</font>"});
    SendLine({"<font face=\"", kFontFace, "\" color=\"#000099\" size=\"2\">"});
    SendLine({"<i>", text, "</i><br>"});
}

void GameEntry() {
    if (R().PoolEnded)
        NotAvailable("<font face=", "Pool Ended - Team Selection Not Available");
    else if (LoadUserPicks())
        Entry("VIEWUSERPICKS", "Team Selection Completed - View", true);
    else if (IsGameLocked())
        NotAvailable("<font face=", "X Team Selection  - Not Available - Game Locked");
    else
        Entry("THISWEEK", "This Weeks Game", true);
}

void LastPeriodEntry() {
    if (FileExists(PicksFilePath(LastWeeksNumberIs())))
        Entry("LASTWEEK", "Last Weeks Results");
    else
        NotAvailable("</font><font face=", "X Last Weeks Results - Not Available");
}

void AdministratorEntry() {
    if (TrimBlanksView(R().CurrentUserStatus) != "ADMINISTRATOR") return;
    Send("<br><hr>");
    Entry("ADMIN", "Administrative Access");
    Send("          </font>");
    Send("<hr>");
}

void MenuEntries() {
    GameEntry();
    LastPeriodEntry();
    Entry("SCOREBOARD", "Scoreboard");
    Entry("VIEWPLAYERS", "View Other Players");
    Entry("POSTCOMMENTS", "Post Comments");
    Entry("VIEWCOMMENTS", "Read Comments");
    Send("          </font>");
    AdministratorEntry();
}

}  // namespace

void MainMenu() { MainMenuWithNotice(""); }

void MainMenuWithNotice(const std::string& notice) {
    Run& r = R();
    r.CurrentRoutine = "MainMenu";
    MenuTop();
    Send("<!-- MainMenu -->");
    Send("<center>");
    TitleLines("Welcome! " + r.CurrentUserRealName + "<br>", "</font></b></p>");
    if (!notice.empty()) NoticeLine(notice);
    Send("  <b>");
    FormTag();
    if (r.Action != "LOGIN") HiddenField("ACTION", r.Action);
    LoginFields();
    GreyTableOpen("350");
    Send("      <tr>");
    Send("        <TD VALIGN=TOP ALIGN=LEFT>");
    Send(FontTag("2", "#000099"));
    MenuEntries();
    Send("        <center><br>");
    SendLine({"          <font face=\"", kFontFace, "\">"});
    ImageButton("Fsubmit.gif", "Submit");
    ExitLink();
    for (const char* line : {"          </font>", "        </center>", "      </td>", "      </tr>", "    </table>",
                             "    <br>", "</FORM>", "<br>"})
        Send(line);
    PageEnd();
}

static void ExitLink() { SendLine({"<br><br><a href=\"", R().ScriptUrl, "\">Exit Zarn Pool</a><br>"}); }
