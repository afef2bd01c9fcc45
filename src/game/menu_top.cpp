#include "game/menu_top.h"

#include "cgi/output.h"
#include "core/clock.h"
#include "core/run.h"
#include "core/text.h"
#include "game/lock_date.h"
#include "game/periods.h"
#include "html/form_pieces.h"
#include "html/page_frame.h"
#include "images/site_images.h"

static void LockOutLine() {
    const Run& r = R();
    if (Val(r.LockDateText) <= 0) {
        Send("      <font color=\"#FF0000\"><i>Lock Out Date Has Not Been Set!</i></font></font><br>");
    } else if (IsGameLocked()) {
        SendLine({"      <font color=\"#FF0000\"><b>GAME LOCKED  Date: ", r.LockDateText, "</b><br>"});
        Send("You Will Not Be Able to Make Selections</font></font><br>");
    } else {
        SendLine({"      <font color=\"#FF0000\">Lock Out Date: ", r.LockDateText, "</font></font><br>"});
    }
}

static void FirstCell() {
    const Run& r = R();
    LocalTime now = NowLocal();
    SendLine({"    <td width=\"35%\" valign=\"middle\" align=\"center\">", FontTag("1"), "Today's"});
    SendLine({"      Date: ", DateMDY(now), "  Time: ", TimeHM(now), "<br>"});
    LockOutLine();
    if (!Trimm(r.CurrentUserRealName).empty()) {
        SendLine({"      ", FontTag("2", "#006600"), "User"});
        SendLine({"      : ", r.CurrentUserRealName, "</font></td>"});
    } else {
        Send("</font></td>");
    }
}

static void PictureAndAdministratorCells() {
    const Run& r = R();
    Send("    <td width=\"30%\" valign=\"top\">");
    SendLine({"      <div align=\"center\"><img src=\"", r.ImageUrlBase, ImageFileName("Fheader.gif"),
              "\" width=\"191\" height=\"54\" usemap=\"#Map\" border=\"0\">"});
    Send("</div>");
    Send("    </td>");
    Send("    <td width=\"35%\">");
    Send("      <div align=\"center\">");
    SendLine({"        <a href=\"MAILTO:", r.AdministratorEmail, "\">", FontTag("2"), r.AdministratorName});
    Send("        </font></a></div>");
    Send("    </td>");
    Send("  </tr>");
}

static void PeriodRow() {
    Run& r = R();
    Send("  <tr bgcolor=\"#000066\">");
    SendLine({"    <td width=\"35%\"><div align=\"center\">", FontTag("1", "#FFFFCC"), "Period:"});
    if (PoolHasEnded()) {
        r.PoolEnded = true;
        Send("Team File Completed!<br>Pool Ended");
    } else {
        SendLine({"       ", r.CurrentWeek, " of ", TrimBlanksView(r.LastWeek)});
    }
    Send("</font></div></td>");
    Send("    <td width=\"30%\">");
    if (!r.Action.empty())
        BackLink();
    else
        Send("&nbsp;");
    Send(" </td>");
    Send("    <td width=\"35%\">");
    HelpLink();
    Send("    </td>");
    Send("  </tr>");
    Send("</table>");
}

void MenuTop() {
    R().CurrentRoutine = "MenuTop";
    std::string weekFile;
    LoadWeekFile(weekFile);
    LoadLockDate();
    SendHeader("The Zarn Pool");
    Send("<body bgcolor=\"#E1D4C0\" text=\"#000099\" link=\"#666666\" vlink=\"#666666\" alink=\"#999999\" "
         "leftmargin=\"0\" topmargin=\"0\">");
    Send("<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"5\" bgcolor=\"#FFFFCC\">");
    Send("  <tr>");
    FirstCell();
    PictureAndAdministratorCells();
    PeriodRow();
    Send("<map name=\"Map\">");
    SendLine({"  <area shape=\"rect\" coords=\"16,29,173,50\" href=\"", R().ImageMapUrl, "\">"});
    Send("</map>");
}
