#include "users/players_without_picks.h"

#include <cstdio>

#include "cgi/output.h"
#include "core/references.h"
#include "core/run.h"
#include "core/text.h"
#include "game/menu_top.h"
#include "game/periods.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"
#include "users/admin_menu.h"
#include "users/picks_count.h"
#include "users/user_table.h"

namespace {

// A value of a mailto address: each byte but letters, digits, "-._~" and
// "@" as %XX, so that no mail program reads it otherwise (a "+" as a blank,
// an "&" as the next field).
std::string MailtoEncoded(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                    c == '.' || c == '_' || c == '~' || c == '@';
        char escaped[4];
        std::snprintf(escaped, sizeof escaped, "%%%02X", c);
        out += kept ? std::string(1, static_cast<char>(c)) : std::string(escaped);
    }
    return out;
}

// "Zarn Pool: your picks for Period 4, lock out 09-12-2026 13:00", without
// the lock-out while none is set (MenuTop has read it).
std::string ReminderSubject() {
    const Run& r = R();
    std::string subject = "Zarn Pool: your picks for Period " + TrimBlanks(r.CurrentWeek);
    if (Val(r.LockDateText) > 0)
        subject += ", lock out " + TrimBlanks(r.Month) + "-" + TrimBlanks(r.Day) + "-" + TrimBlanks(r.Year) + " " +
                   TrimBlanks(r.Hour) + ":" + TrimBlanks(r.Minute);
    return subject;
}

// One mail to every one of them, each address in Bcc, so that none sees the others'.
std::string MailToAll(const std::vector<PlayerWithoutPicks>& players) {
    std::string to = "mailto:?bcc=";
    for (size_t i = 0; i < players.size(); ++i)
        to += (i ? "," : "") + MailtoEncoded(DecodeCharacterReferences(players[i].Email));
    return to + "&amp;subject=" + MailtoEncoded(ReminderSubject());
}

void PlayerRows(const std::vector<PlayerWithoutPicks>& players) {
    OpenUserTable("420");
    OpenHeaderRow();
    HeadingCell("210", "Real", "Name");
    HeadingCell("210", "Email", "Address");
    Send("  </tr>");
    for (const PlayerWithoutPicks& player : players) {
        Send("  <tr bgcolor=\"#FFFFFF\">");
        SendLine({SmallCellOpening("210"), player.Name, kSmallCellClosing});
        SendLine({SmallCellOpening("210"), "<a href=\"MAILTO:", player.Email, "\">", player.Email, "</a>",
                  kSmallCellClosing});
        Send("  </tr>");
    }
    CloseTable();
    Send("<br>");
    SendLine({FontTag("2"), "<a href=\"", MailToAll(players),
              "\"><b>Send One E-mail To All Of Them (Bcc)</b></a></font><br>"});
}

}  // namespace

void PlayersWithoutPicks() {
    Run& r = R();
    r.CurrentRoutine = "PlayersWithoutPicks";
    std::string weekFile;
    LoadWeekFile(weekFile);
    if (PoolHasEnded()) {
        AdminMainMenuSaying("The pool has ended: no period is open for picks.");
        return;
    }
    MenuTop();
    Send("<!-- PlayersWithoutPicks -->");
    std::string period = TrimBlanks(r.CurrentWeek);
    PageCaption("<br><i><b>Players Without Picks for Period " + period + "</b></i><br><br>");
    PeriodPicksCount count = CountPeriodPicks();
    if (count.Without.empty())
        BlueHeading("Every player has saved picks for Period " + period + ".");
    else
        PlayerRows(count.Without);
    Send("<br>");
    CentredSubmitForm("ADMINMAINMENU", "Return to Administrators Main Menu");
    CentredPageEnd();
}
