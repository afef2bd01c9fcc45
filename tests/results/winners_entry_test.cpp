#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "game/sheet_expect.h"
#include "support/cgi_pool.h"

TEST(WinnersEntry, EntryAndConfirmationCarryTheWinnersToTheScoring) {
    Pool pool;
    pool.Write("zrp.cfg", kWeek1);
    pool.Join("boss@pool.test", "pw", "Boss");
    CgiAnswer entry =
        pool.Act("ENTERWINNERS", "boss@pool.test", "pw", {{"LINENUMBER", "3"}, {"UWP", "01"}, {"TIEBREAKER", "35"}});
    EXPECT_TRUE(entry.HasLine("<br><i>Enter This Weeks Winning Teams</i><br>"));
    EXPECT_EQ(entry.Between(kSheetTable, "</table>"), Sheet(kTeams, "01", "35", true));
    EXPECT_EQ(entry.Hidden("ACTION") + " " + entry.Hidden("LINENUMBER"), "ENTERWINNERS2 3");
    EXPECT_TRUE(entry.HasLine(HiddenLine("ACTION", "ADMIN")));

    CgiAnswer confirm = pool.Act("ENTERWINNERS2", "boss@pool.test", "pw",
                                 {{"LINENUMBER", "3"}, {"C1", "1"}, {"C3", "0"}, {"TIEBREAKER", "35"}});
    EXPECT_TRUE(confirm.HasLine("<br><i>Confirm The ZARN POOL Winning Teams</i><br>"));
    EXPECT_EQ(confirm.Between(kSheetTable, "</table>"), Sheet(kTeams, "150", "35", false));
    EXPECT_EQ(confirm.Hidden("ACTION"), "ENTERWINNERSFINAL");
    EXPECT_EQ(confirm.Count(HiddenLine("UWP", "150")), 2u);
}

namespace {

// The hidden fields of the page's form that posts action, as a browser sends them.
Fields FormFields(const CgiAnswer& page, const std::string& action) {
    const std::regex hidden("<INPUT TYPE=\"HIDDEN\" NAME=\"(.*)\" Value=\"(.*)\">");
    Fields form;
    std::smatch match;
    for (const std::string& line : page.Lines()) {
        if (line.starts_with("<FORM")) form.clear();
        if (std::regex_match(line, match, hidden)) form.push_back({match[1], match[2]});
        if (line == "</form>" && std::ranges::count(form, std::pair<std::string, std::string>{"ACTION", action}))
            return form;
    }
    return {};
}

}  // namespace

TEST(WinnersEntry, ConfirmationSentAgainScoresNothing) {
    Pool pool;
    pool.Write("zrp.cfg", kWeek1 + "WEEK2\r\nBeta at Gamma\r\n");
    pool.Join("boss@pool.test", "pw", "Boss");
    Fields sheet = FormFields(pool.Act("ENTERWINNERS", "boss@pool.test", "pw"), "ENTERWINNERS2");
    sheet.insert(sheet.end(), {{"C1", "0"}, {"C2", "1"}, {"C3", "1"}, {"TIEBREAKER", "35"}});
    Fields confirmation = FormFields(pool.Post(sheet), "ENTERWINNERSFINAL");
    EXPECT_TRUE(std::ranges::count(confirmation, std::pair<std::string, std::string>{"PERIOD", "1"}));
    EXPECT_TRUE(pool.Post(confirmation).HasLine("<!-- AdminMainMenu -->"));
    EXPECT_EQ(pool.Read("ZRPweek.dat"), "2\r\n1\r\n2\r\n");

    // Back, and the same confirmation again.
    auto before = pool.DataFiles();
    CgiAnswer again = pool.Post(confirmation);
    EXPECT_EQ(again.Errors, "");
    EXPECT_TRUE(again.HasLine("<!-- AdminMainMenu -->"));
    EXPECT_EQ(again.Count(R"(<div align="center"><font face="Verdana, Arial, Helvetica, sans-serif" size="2" )"
                          R"(color="#FF0000"><b>Period 1 Has Already Been Scored - Nothing Was Changed!</b></font></div>)"),
              1u);
    EXPECT_EQ(pool.DataFiles(), before);

    // A confirmation page made before the field existed scores the current period.
    std::erase(confirmation, std::pair<std::string, std::string>{"PERIOD", "1"});
    pool.Post(confirmation);
    EXPECT_EQ(pool.Read("ZRPweek.dat"), "3\r\n1\r\n2\r\n");
    EXPECT_EQ(pool.Read("ZRPpicks2W_.dat"), "011\r\n35\r\n");
}

TEST(WinnersEntry, HugePeriodNumberFailsWithOverflowAndWritesNothing) {
    Pool pool;
    pool.Write("zrp.cfg", kWeek1);
    pool.Join("boss@pool.test", "pw", "Boss");
    pool.Write("ZRPweek.dat", "99999999999999999999\r\n1\r\n1\r\n");
    auto before = pool.DataFiles();
    CgiAnswer answer = pool.Act("ENTERWINNERSFINAL", "boss@pool.test", "pw",
                                {{"UWP", "011"}, {"TIEBREAKER", "35"}, {"LINENUMBER", "3"}});
    EXPECT_TRUE(answer.HasLine("<PRE>Overflow Error Number =  6</PRE>")) << answer.Bytes;
    EXPECT_EQ(pool.DataFiles(), before);
}
