#include "game/pick_sheet.h"

#include "cgi/output.h"
#include "core/failure.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "game/periods.h"
#include "game/picks_store.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"

// The font every sheet cell text starts with.
static constexpr FontTag kCellFont("2", "#990000");

// A team cell as one line between before and after: the cell font, the radio
// button when one is offered, then the team bold when chosen, plain when
// unmarked, italic for no choice (and no team for any other mark).
static void TeamCell(std::string_view before, std::string_view name, std::string_view value, std::string_view team,
                     std::string_view mark, bool radio, std::string_view after) {
    std::string_view chosen = TrimBlanksView(mark);
    bool checked = chosen == "YES";
    std::string_view open, close;
    if (checked) {
        open = "<b>";
        close = "</b></font>";
    } else if (chosen.empty()) {
        close = "</font>";
    } else if (chosen == "NOCHOICE") {
        open = "<i>";
        close = "</i></font>";
    } else {
        team = {};
    }
    team = TrimBlanksView(team);
    if (!radio) {
        SendLine({before, kCellFont, open, team, close, after});
        return;
    }
    SendLine({before, kCellFont, " <input type=\"radio\" name=\"", TrimBlanksView(name), "\" value=\"",
              TrimBlanksView(value), checked ? "\" CHECKED>" : "\">", open, team, close, after});
}

// The spacer row under every game, its lines as one piece.
static constexpr std::string_view kSpacerRow =
    "  <tr bgcolor=\"#6699FF\"> \r\n"
    "    <td height=\"5\" bgcolor=\"#CCBDAB\"></td>\r\n"
    "    <td height=\"5\" bgcolor=\"#CCBDAB\"></td>\r\n"
    "    <td height=\"5\" bgcolor=\"#CCBDAB\"></td>\r\n"
    "    <td height=\"5\" bgcolor=\"#CCBDAB\"></td>\r\n"
    "    <td height=\"5\" bgcolor=\"#CCBDAB\"></td>\r\n"
    "  </tr>";

static void SpacerRow() { Send(kSpacerRow); }

static constexpr std::string_view kMiddleCell = "    <td width=\"100\" align=\"center\">";

// The choice carried back in UWP for the game now written ("" when none).
static std::string_view CarriedChoice() {
    const Run& r = R();
    if (r.Action != "THISWEEK" && r.Action != "ENTERWINNERS") return "";
    if (TrimBlanksView(r.Uwp).empty() || r.LineNumber < 1 || static_cast<size_t>(r.LineNumber) > r.Uwp.size())
        return "";
    return std::string_view(r.Uwp).substr(static_cast<size_t>(r.LineNumber) - 1, 1);
}

// The cell between the teams: no choice, else "AT".
static void MiddleCell(const std::string& mark1, const std::string& mark2) {
    if (mark1 == "NOCHOICE" || mark2 == "NOCHOICE")
        SendLine({kMiddleCell, "<b><i>NO CHOICE!</i></b></td>"});
    else
        SendLine({kMiddleCell, "<b><i>AT</i></b></td>"});
}

void GameRow(std::string_view name1, std::string_view value1, std::string_view team1, std::string& mark1,
             std::string_view name2, std::string_view value2, std::string_view team2, std::string& mark2,
             std::string_view noradio) {
    std::string_view carried = CarriedChoice();
    if (carried == "0") mark1 = "YES";
    if (carried == "1") mark2 = "YES";
    bool radio = noradio != "YES";
    Send("  <tr>");
    TeamCell("    <td><div align=right>", name1, value1, team1, mark1, false, "</div></td>");
    TeamCell("    <td>", name1, value1, "", mark1, radio, "</td>");
    MiddleCell(mark1, mark2);
    TeamCell("    <td><div align=left>", name2, value2, team2, mark2, false, "</div></td>");
    TeamCell("    <td>", name2, value2, "", mark2, radio, "</td>");
    Send("  </tr>");
    SpacerRow();
}

namespace {

// The text between a results row's three values, made once: a row then goes
// out as one line of a few pieces. Both sides are chosen (bold) and have no
// radio button; the value stands in the middle cell.
struct ResultRowText {
    std::string Start, BeforeMiddle, BeforeRight, End;

    ResultRowText() {
        const std::string font(kCellFont);
        const std::string choiceCell = "    <td>" + font + "<b></b></font></td>\r\n";
        Start = "  <tr>\r\n    <td><div align=right>" + font + "<b>";
        BeforeMiddle = "</b></font></div></td>\r\n" + choiceCell + std::string(kMiddleCell) + "<b>" + font;
        BeforeRight = "</font></b></td>\r\n    <td><div align=left>" + font + "<b>";
        End = "</b></font></div></td>\r\n" + choiceCell + "  </tr>\r\n" + std::string(kSpacerRow);
    }
};

}  // namespace

void ResultRow(std::string_view left, std::string_view middle, std::string_view right) {
    static const ResultRowText text;
    SendLine({text.Start, TrimBlanksView(left), text.BeforeMiddle, middle, text.BeforeRight, TrimBlanksView(right),
              text.End});
}

static void PickSummaryRow(const std::string& line) {
    const Run& r = R();
    if (r.LineNumber < 0 || r.LineNumber > 100) Fail(kSubscript);
    const std::string& pick = r.Picks[static_cast<size_t>(r.LineNumber)];
    std::string_view first, second;
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
    std::string name = "C" + NumText(r.LineNumber);
    GameRow(name, "0", first, mark1, name, "1", second, mark2, "YES");
}

static void ChoiceRow(const std::string& line) {
    std::string_view first, second;
    SplitTeams(line, first, second);
    std::string name = "C" + NumText(R().LineNumber);
    std::string mark1, mark2;
    GameRow(name, "0", first, mark1, name, "1", second, mark2, "");
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
        FormTag();
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
    std::string_view caption = entering ? "Enter Tie Breaker Score : " : "Your Tie Breaker Score : ";
    Send("  <tr>");
    SendLine({"    <td colspan=\"2\" align=\"center\">", kCellFont, caption, "</font></td>"});
    std::string guess = Trimm(r.TieBreaker);
    if (entering)
        SendLine({kMiddleCell, "<input type=\"text\" name=\"TIEBREAKER\" size=\"3\" maxlength=\"3\" value=\"", guess,
                  "\"></td>"});
    else
        SendLine({kMiddleCell, "<b>", kCellFont, guess, "</font></b></td>"});
    Send("    <td colspan=\"2\">&nbsp;</td>");
    Send("  </tr>");
    SpacerRow();
}

// A form that carries the sheet's picks and guess to next; the caller adds
// the button.
static void CarryPicksForm(const std::string& next) {
    const Run& r = R();
    FormTag();
    HiddenField("ACTION", next);
    LoginFields();
    HiddenField("LINENUMBER", NumText(r.LineNumber));
    HiddenField("UWP", PicksFromArray());
    HiddenField("TIEBREAKER", TrimBlanks(r.TieBreaker));
}

void EditPicksForm(const std::string& next) {
    CarryPicksForm(next);
    ImageButton("Feditchoices.gif", "Edit Your Picks");
    Send("</form>");
}

void ChangePicksForm() {
    CarryPicksForm("THISWEEK");
    SubmitButton("Change My Picks");
    Send("</form>");
}
