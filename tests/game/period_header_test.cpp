// Period headers that carry a date or a note after their number.
#include <gtest/gtest.h>

#include "game/sheet_expect.h"
#include "support/cgi_pool.h"

namespace {

const std::string kDatedSeason =
    "WEEK1 - September 7\r\nAlpha at Beta\r\nGamma at Delta\r\nEpsilon at Zeta\r\nWEEK2 (Sept. 14)\r\nBeta at Gamma\r\n";

// A week file holding the whole header is read by its number too.
TEST(PeriodHeader, TextAfterTheNumberIsIgnored) {
    for (const char* weekFile : {"", "1 - SEPTEMBER 7\r\n1 - SEPTEMBER 7\r\n2 (SEPT. 14)\r\n"}) {
        Pool pool;
        pool.Write("zrp.cfg", kDatedSeason);
        pool.Join("ann@pool.test", "pw", "Ann Admin");
        if (*weekFile) pool.Write("ZRPweek.dat", weekFile);
        CgiAnswer sheet = pool.Act("THISWEEK", "ann@pool.test", "pw");
        EXPECT_TRUE(*weekFile || pool.Read("ZRPweek.dat") == "1\r\n1\r\n2\r\n");
        EXPECT_TRUE(sheet.HasLine("       1 of 2")) << weekFile;
        EXPECT_EQ(sheet.Between(kSheetTable, "</table>"), Sheet(kTeams, "", "", true)) << weekFile;
    }
}

}  // namespace
