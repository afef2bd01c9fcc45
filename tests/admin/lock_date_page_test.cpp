#include <gtest/gtest.h>

#include "admin/admin_pool.h"
#include "core/clock.h"

namespace {

std::vector<std::string> Options(int from, int to) {
    std::vector<std::string> lines;
    for (int v = from; v <= to; ++v) {
        std::string value = (v < 10 ? "0" : "") + std::to_string(v);
        lines.push_back("         <option value=\"" + value + "\"" + (v == from ? " selected" : "") + ">" + value +
                        "</option>");
    }
    return lines;
}

std::vector<std::string> List(const CgiAnswer& page, const std::string& name) {
    return LinesInside(page, "<select name=\"" + name + "\"", "</select>");
}

}  // namespace

TEST(LockDatePage, ListsStartAtTheirFirstOptionWhateverIsStored) {
    AdminPool pool;
    pool.Write("ZRP__LockDateTime.txt", "09\r\n12\r\n2030\r\n13\r\n45\r\n");
    int year = NowLocal().Year;
    CgiAnswer page = pool.Admin("LOCKOUTDATE");
    EXPECT_EQ(page.Errors, "");
    EXPECT_EQ(List(page, "MONTH"), Options(1, 12));
    EXPECT_EQ(List(page, "DAY"), Options(1, 31));
    EXPECT_EQ(List(page, "HOUR"), Options(0, 23));
    EXPECT_EQ(List(page, "MINUTE"), Options(0, 59));
    if (NowLocal().Year == year) {
        EXPECT_EQ(List(page, "YEAR"), Options(year, year + 3));
    }

    EXPECT_TRUE(page.HasLine("<br><i><b>Lock Out Date</b></i><br><br>"));
    EXPECT_TRUE(page.HasLine("<!-- AdminLockOutDate -->"));
    EXPECT_TRUE(page.HasLine(R"(    <td align="right"><font face="Verdana, Arial, Helvetica, sans-serif" size="2">)"
                             R"(<b>Minute :</b></font></td>)"));
    EXPECT_TRUE(page.HasLine(R"(<input type="submit" name="Submit" value="Enter Lock Out Date">)"));
    EXPECT_EQ(page.Hidden("ACTION"), "SETLOCKDATE");
}

TEST(LockDatePage, SavingStoresTheFiveValuesAndShowsTheMenu) {
    AdminPool pool;
    CgiAnswer menu = pool.Admin("SETLOCKDATE",
                                {{"MONTH", " 09"}, {"DAY", "12 "}, {"YEAR", "2030"}, {"HOUR", "13"}, {"MINUTE", "05"}});
    EXPECT_EQ(pool.Read("ZRP__LockDateTime.txt"), "09\r\n12\r\n2030\r\n13\r\n05\r\n");
    EXPECT_TRUE(menu.HasLine("<!-- AdminMainMenu -->"));
}
