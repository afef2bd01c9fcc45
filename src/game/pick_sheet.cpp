#include "game/pick_sheet.h"

#include "cgi/output.h"
#include "core/failure.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "game/periods.h"
#include "game/picks_store.h"
#include "html/form_pieces.h"
#include "images/site_images.h"

// The font every sheet cell text starts with.
static std::string CellFont() { return FontTag("2", "#990000"); }

static std::string TeamCell(const std::string& name, const std::string& value, const std::string& team,
                            const std::string& mark, const std::string& noradio) {
    std::string cell = CellFont();
    std::string chosen = TrimBlanks(mark);
    if (noradio != "YES") {
        cell += " <input type=\"radio\" name=" + Quoted(TrimBlanks(name)) + " value=" + Quoted(TrimBlanks(value));
        cell += chosen == "YES" ? " CHECKED>" : ">";
    }
    if (chosen == "YES")
        cell += "<b>" + TrimBlanks(team) + "</b></font>";
    else if (chosen.empty())
        cell += TrimBlanks(team) + "</font>";
    else if (chosen == "NOCHOICE")
        cell += "<i>" + TrimBlanks(team) + "</i></font>";
    return cell;
}

static void SpacerRow() {
    Send("  <tr bgcolor=\"#6699FF\"> ");
    for (int i = 0; i < 5; ++i) Send("    <td height=\"5\" bgcolor=\"#CCBDAB\"></td>");
    Send("  </tr>");
}

static const char kMiddleCell[] = "    <td width=\"100\" align=\"center\">";

// The choice carried back in UWP for the game now written ("" when none).
static std::string CarriedChoice() {
    const Run& r = R();
    if (r.Action != "THISWEEK" && r.Action != "ENTERWINNERS") return "";
    if (TrimBlanks(r.Uwp).empty() || r.LineNumber < 1 || static_cast<size_t>(r.LineNumber) > r.Uwp.size()) return "";
    return r.Uwp.substr(static_cast<size_t>(r.LineNumber) - 1, 1);
}

void GameRow(const std::string& name1, const std::string& value1, const std::string& team1, std::string& mark1,
             const std::string& name2, const std::string& value2, const std::string& team2, std::string& mark2,
             const std::string& noradio) {
    const Run& r = R();
    std::string carried = CarriedChoice();
    if (carried == "0") mark1 = "YES";
    if (carried == "1") mark2 = "YES";
    Send("  <tr>");
    Send("    <td><div align=right>" + TeamCell(name1, value1, team1, mark1, "YES") + "</div></td>");
    Send("    <td>" + TeamCell(name1, value1, "", mark1, noradio) + "</td>");
    std::string middle;
    if (mark1 == "NOCHOICE" || mark2 == "NOCHOICE")
        middle = "<b><i>NO CHOICE!</i></b>";
    else if (r.Action == "SCOREBOARD" || r.Action == "LASTWEEK")
        middle = "<b>" + CellFont() + value1 + "</font></b>";
    else
        middle = "<b><i>AT</i></b>";
    Send(kMiddleCell + middle + "</td>");
    Send("    <td><div align=left>" + TeamCell(name2, value2, team2, mark2, "YES") + "</div></td>");
    Send("    <td>" + TeamCell(name2, value2, "", mark2, noradio) + "</td>");
    Send("  </tr>");
    SpacerRow();
}

static void PickSummaryRow(const std::string& line) {
    const Run& r = R();
    if (r.LineNumber < 0 || r.LineNumber > 100) Fail(kSubscript);
    const std::string& pick = r.Picks[static_cast<size_t>(r.LineNumber)];
    std::string first, second;
    SplitTeams(line, first, second);
    std::string mark1, mark2;
    if (pick == "0") {
        mark1 = "YES";
    } else if (pick == "1") {
        mark2 = "YES";
    } else if (pick == "5") {
        mark1 = "NOCHOICE";
        mark2 = "NOCHOICE";
    } else {
        return;
    }
    std::string n = NumText(r.LineNumber);
    GameRow("C" + n, "0", first, mark1, "C" + n, "1", second, mark2, "YES");
}

static void ChoiceRow(const std::string& line) {
    std::string first, second;
    SplitTeams(line, first, second);
    std::string n = NumText(R().LineNumber);
    std::string mark1, mark2;
    GameRow("C" + n, "0", first, mark1, "C" + n, "1", second, mark2, "");
}

void PickSheet(const std::string& period, std::string& path) {
    Run& r = R();
    r.LineNumber = 0;
    if (r.Action == "VIEWUSERPICKS") LoadUserPicks();
    path = GameDataFilePath();
    for (const std::string& line : PeriodGameLines(period)) {
        r.LineNumber = CInt(r.LineNumber + 1.0);
        if (r.Action == "THISWEEK" || r.Action == "ENTERWINNERS")
            ChoiceRow(line);
        else if (r.Action == "USERPICS1" || r.Action == "VIEWUSERPICKS" || r.Action == "ENTERWINNERS2")
            PickSummaryRow(line);
    }
}

void SheetFormHead(const std::string& next) {
    const Run& r = R();
    if (next != "SKIP" && r.Action != "VIEWUSERPICKS") {
        Send(FormTag());
        HiddenField("ACTION", next);
        LoginFields();
        if (r.Action == "ENTERWINNERS2" || r.Action == "USERPICS1") {
            HiddenField("UWP", PicksFromArray());
            HiddenField("TIEBREAKER", TrimBlanks(r.TieBreaker));
        }
    }
    Send("<table  border=\"0\" cellspacing=\"0\" cellpadding=\"5\" align=\"center\">");
}

void TieBreakerRow() {
    const Run& r = R();
    bool entering = r.Action == "ENTERWINNERS" || r.Action == "THISWEEK";
    std::string caption = entering ? "Enter Tie Breaker Score : " : "Your Tie Breaker Score : ";
    Send("  <tr>");
    Send("    <td colspan=\"2\" align=\"center\">" + CellFont() + caption + "</font></td>");
    std::string guess = Trimm(r.TieBreaker);
    if (entering)
        Send(kMiddleCell + std::string("<input type=\"text\" name=\"TIEBREAKER\" size=\"3\" maxlength=\"3\" value=") +
             Quoted(guess) + "></td>");
    else
        Send(kMiddleCell + std::string("<b>") + CellFont() + guess + "</font></b></td>");
    Send("    <td colspan=\"2\">&nbsp;</td>");
    Send("  </tr>");
    SpacerRow();
}

void EditPicksForm(const std::string& next) {
    const Run& r = R();
    Send(FormTag());
    HiddenField("ACTION", next);
    LoginFields();
    HiddenField("LINENUMBER", NumText(r.LineNumber));
    HiddenField("UWP", PicksFromArray());
    HiddenField("TIEBREAKER", TrimBlanks(r.TieBreaker));
    ImageButton(r.ImageUrlBase + ImageFileName("Feditchoices.gif"), "Edit Your Picks");
    Send("</form>");
}
