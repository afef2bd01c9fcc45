// The lines the pick sheet and the results tables are expected to hold, for the page tests.
#pragma once

#include <algorithm>
#include <ctime>
#include <regex>
#include <string>
#include <vector>

#include "support/cgi_pool.h"

// Writes the games and joins the players (e-mail, name; password "pw"): the
// first to join a pool without an administrator becomes it.
inline void Open(const Pool& pool, const std::string& games,
                 const std::vector<std::pair<std::string, std::string>>& players) {
    pool.Write("zrp.cfg", games);
    for (const auto& [email, name] : players) pool.Join(email, "pw", name);
}

inline const std::string kCell = R"(<font face="Verdana, Arial, Helvetica, sans-serif" size="2" color="#990000">)";
inline const std::string kSheetTable = R"(<table  border="0" cellspacing="0" cellpadding="5" align="center">)";
// Period 1 of three games, and its teams.
inline const std::string kWeek1 = "WEEK1\r\nAlpha at Beta\r\nGamma at Delta\r\nEpsilon at Zeta\r\n";
inline const std::vector<std::string> kTeams = {"Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Zeta"};

// A row from its cells (each after "<td"), then the spacer row.
inline void AddRow(std::vector<std::string>& lines, const std::vector<std::string>& cells) {
    lines.push_back("  <tr>");
    for (const std::string& cell : cells) lines.push_back("    <td" + cell + "</td>");
    lines.insert(lines.end(), {"  </tr>", "  <tr bgcolor=\"#6699FF\"> "});
    lines.insert(lines.end(), 5, "    <td height=\"5\" bgcolor=\"#CCBDAB\"></td>");
    lines.push_back("  </tr>");
}

inline std::string Tagged(const std::string& tag, const std::string& text) {
    return tag.empty() ? text : "<" + tag + ">" + text + "</" + tag + ">";
}

// The sheet table of the games (team pairs in teams); picks holds '0' (first team), '1' (second) or another
// character (no choice) per game. An entry sheet has radio buttons for every game; a shown sheet one row per pick.
inline std::vector<std::string> Sheet(const std::vector<std::string>& teams, const std::string& picks,
                                      const std::string& tie, bool entry) {
    std::vector<std::string> lines = {kSheetTable};
    for (size_t g = 0; g < (entry ? teams.size() / 2 : picks.size()); ++g) {
        char pick = g < picks.size() ? picks[g] : ' ';
        bool open = pick != '0' && pick != '1' && !entry;
        std::vector<std::string> cells(5, open ? "<b><i>NO CHOICE!</i></b>" : "<b><i>AT</i></b>");
        for (int side = 0; side < 2; ++side) {
            std::string tag = pick == "01"[side] ? "b" : open ? "i" : "";
            std::string radio = " <input type=\"radio\" name=\"C" + std::to_string(g + 1) + "\" value=\"" + "01"[side];
            cells[3 * side] = Tagged(tag, teams[2 * g + side]);
            cells[3 * side + 1] = !entry ? Tagged(tag, "") : radio + (tag == "b" ? "\" CHECKED><b></b>" : "\">");
        }
        AddRow(lines, {"><div align=right>" + kCell + cells[0] + "</font></div>", ">" + kCell + cells[1] + "</font>",
                       " width=\"100\" align=\"center\">" + cells[2],
                       "><div align=left>" + kCell + cells[3] + "</font></div>", ">" + kCell + cells[4] + "</font>"});
    }
    std::string input = R"(<input type="text" name="TIEBREAKER" size="3" maxlength="3" value=")" + tie + "\">";
    AddRow(lines,
           {R"( colspan="2" align="center">)" + kCell + (entry ? "Enter" : "Your") + " Tie Breaker Score : </font>",
            " width=\"100\" align=\"center\">" + (entry ? input : "<b>" + kCell + tie + "</font></b>"),
            " colspan=\"2\">&nbsp;"});
    lines.push_back("</table>");
    return lines;
}

// What a browser sends for the page's form that posts action: its hidden
// fields and the option each list shows selected (none when no such form).
inline Fields FormFields(const CgiAnswer& page, const std::string& action) {
    const std::regex hidden("<INPUT TYPE=\"HIDDEN\" NAME=\"(.*)\" Value=\"(.*)\">");
    const std::regex list("<select name=\"(.*)\" size=\"1\">");
    const std::regex selected(" *<option value=\"(.*)\" selected>.*</option>");
    Fields form;
    std::string listName;
    std::smatch match;
    for (const std::string& line : page.Lines()) {
        if (line.starts_with("<FORM")) form.clear();
        if (std::regex_match(line, match, hidden)) form.push_back({match[1], match[2]});
        if (std::regex_match(line, match, list)) listName = match[1];
        if (std::regex_match(line, match, selected)) form.push_back({listName, match[1]});
        if (line == "</form>" && std::ranges::count(form, std::pair<std::string, std::string>{"ACTION", action}))
            return form;
    }
    return {};
}

// The five lines of the lock-out date file for a time.
inline std::string LockFileOf(time_t at) {
    char text[64];
    strftime(text, sizeof text, "%m\r\n%d\r\n%Y\r\n%H\r\n%M\r\n", localtime(&at));
    return text;
}
