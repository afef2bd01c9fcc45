#include <gtest/gtest.h>

#include "support/admin_pool.h"
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

}  // namespace

TEST(LockDatePage, ListsStartAtTheirFirstOptionAndSavingStoresFiveLines) {
    AdminPool pool;
    pool.Write("ZRP__LockDateTime.txt", "09\r\n12\r\n2030\r\n13\r\n45\r\n");
    int year = NowLocal().Year;
    CgiAnswer page = pool.Admin("LOCKOUTDATE");
    auto list = [&](const std::string& name) { return LinesInside(page, "<select name=\"" + name + "\"", "</select>"); };
    EXPECT_EQ(list("MONTH"), Options(1, 12));
    EXPECT_EQ(list("DAY"), Options(1, 31));
    EXPECT_EQ(list("HOUR"), Options(0, 23));
    EXPECT_EQ(list("MINUTE"), Options(0, 59));
    if (NowLocal().Year == year) {
        EXPECT_EQ(list("YEAR"), Options(year, year + 3));
    }
    EXPECT_EQ(page.Hidden("ACTION"), "SETLOCKDATE");

    CgiAnswer menu = pool.Admin("SETLOCKDATE",
                                {{"MONTH", " 10"}, {"DAY", "31 "}, {"YEAR", "2031"}, {"HOUR", "07"}, {"MINUTE", "05"}});
    EXPECT_EQ(pool.Read("ZRP__LockDateTime.txt"), "10\r\n31\r\n2031\r\n07\r\n05\r\n");
    EXPECT_TRUE(menu.HasLine("<!-- AdminMainMenu -->"));
}
