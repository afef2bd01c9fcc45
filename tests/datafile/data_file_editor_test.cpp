#include <gtest/gtest.h>

#include "support/admin_pool.h"

TEST(DataFileEditor, SaveAndReloadRoundTrip) {
    AdminPool pool;
    pool.Write("zrp.cfg", "Season 2026\r\n\r\n  WEEK1  \r\nDallas at Boston\r\n   \r\nWEEK2\r\n<b>A</b> & Co at B\r\n");
    CgiAnswer page = pool.Admin("DF");
    EXPECT_EQ(TextAreaLines(page),
              (std::vector<std::string>{"Season 2026", "WEEK1", "Dallas at Boston", "WEEK2", "<b>A</b> & Co at B"}));
    EXPECT_EQ(page.Hidden("ACTION"), "TDF");

    std::string typed = "  WEEK1\r\nWaco, TX at Rome: NY\r\nWEEK2\r\nA at B\r\nWEEK3\r\nC at D  \r\n\r\n";
    EXPECT_TRUE(pool.Admin("TDF", {{"COMMENTFIELD", typed}}).HasLine("<!-- AdminMainMenu -->"));
    EXPECT_EQ(pool.Read("zrp.cfg"), "WEEK1\r\nWaco&#44; TX at Rome&#58; NY\r\nWEEK2\r\nA at B\r\nWEEK3\r\nC at D\r\n");
    EXPECT_EQ(pool.Read("ZRPweek.dat"), "1\r\n1\r\n3\r\n");
    EXPECT_EQ(TextAreaLines(pool.Admin("DF"))[1], "Waco&#44; TX at Rome&#58; NY");
}
