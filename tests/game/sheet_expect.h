// The lines a pick sheet is expected to hold, for the page tests.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

inline const std::string kCell = R"(<font face="Verdana, Arial, Helvetica, sans-serif" size="2" color="#990000">)";
inline const std::string kSheetTable = R"(<table  border="0" cellspacing="0" cellpadding="5" align="center">)";

inline std::string Radio(int game, const std::string& value, bool checked) {
    std::string tag = " <input type=\"radio\" name=\"C" + std::to_string(game) + "\" value=\"" + value + "\"";
    return checked ? tag + " CHECKED><b></b></font>" : tag + "></font>";
}
inline std::string Plain(const std::string& text) { return text + "</font>"; }
inline std::string Bold(const std::string& text) { return "<b>" + text + "</b></font>"; }
inline std::string Italic(const std::string& text) { return "<i>" + text + "</i></font>"; }
inline const std::string kAt = "<b><i>AT</i></b>";
inline const std::string kNoChoice = "<b><i>NO CHOICE!</i></b>";

inline void AddSpacer(std::vector<std::string>& lines) {
    lines.push_back("  <tr bgcolor=\"#6699FF\"> ");
    for (int i = 0; i < 5; ++i) lines.push_back("    <td height=\"5\" bgcolor=\"#CCBDAB\"></td>");
    lines.push_back("  </tr>");
}

// One row of five cells (each cell after its font tag) and its spacer row.
inline std::vector<std::string> Row(const std::string& left, const std::string& radio1, const std::string& middle,
                                    const std::string& right, const std::string& radio2) {
    std::vector<std::string> lines = {"  <tr>",
                                      "    <td><div align=right>" + kCell + left + "</div></td>",
                                      "    <td>" + kCell + radio1 + "</td>",
                                      "    <td width=\"100\" align=\"center\">" + middle + "</td>",
                                      "    <td><div align=left>" + kCell + right + "</div></td>",
                                      "    <td>" + kCell + radio2 + "</td>",
                                      "  </tr>"};
    AddSpacer(lines);
    return lines;
}

inline std::vector<std::string> TieRow(const std::string& caption, const std::string& cell) {
    std::vector<std::string> lines = {"  <tr>",
                                      "    <td colspan=\"2\" align=\"center\">" + kCell + caption + "</font></td>",
                                      "    <td width=\"100\" align=\"center\">" + cell + "</td>",
                                      "    <td colspan=\"2\">&nbsp;</td>", "  </tr>"};
    AddSpacer(lines);
    return lines;
}
inline std::string TieInput(const std::string& value) {
    return "<input type=\"text\" name=\"TIEBREAKER\" size=\"3\" maxlength=\"3\" value=\"" + value + "\">";
}
inline std::string TieValue(const std::string& value) { return "<b>" + kCell + value + "</font></b>"; }

// The sheet table from its tag to "</table>", built from rows.
inline std::vector<std::string> Table(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::string> lines = {kSheetTable};
    for (const auto& row : rows) lines.insert(lines.end(), row.begin(), row.end());
    lines.push_back("</table>");
    return lines;
}

inline std::string HiddenLine(const std::string& name, const std::string& value) {
    return "<INPUT TYPE=\"HIDDEN\" NAME=\"" + name + "\" Value=\"" + value + "\">";
}

inline bool HasLineEnding(const std::vector<std::string>& lines, const std::string& end) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
        return l.size() >= end.size() && l.compare(l.size() - end.size(), end.size(), end) == 0;
    });
}
