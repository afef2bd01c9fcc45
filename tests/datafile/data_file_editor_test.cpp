#include <gtest/gtest.h>

#include "core/text.h"
#include "support/admin_pool.h"

TEST(DataFileEditor, SavesAndReloadsAGoodFileAndShowsABadOneAgainUnsaved) {
    AdminPool pool;
    pool.Write("zrp.cfg", "Season 2026\r\n\r\n  WEEK1  \r\nDallas at Boston\r\n   \r\nWEEK2\r\n<b>A</b> & Co at B\r\n");
    CgiAnswer page = pool.Admin("DF");
    EXPECT_EQ(TextAreaLines(page),
              (std::vector<std::string>{"Season 2026", "WEEK1", "Dallas at Boston", "WEEK2", "<b>A</b> & Co at B"}));
    EXPECT_EQ(page.Hidden("ACTION"), "TDF");

    std::string edited = "  WEEK1\r\nWaco, TX at Rome: NY\r\nWEEK2\r\nA at B\r\nWEEK3\r\nC at D  \r\n\r\n";
    EXPECT_TRUE(pool.Admin("TDF", {{"COMMENTFIELD", edited}}).HasLine("<!-- AdminMainMenu -->"));
    EXPECT_EQ(pool.Read("zrp.cfg"), "WEEK1\r\nWaco&#44; TX at Rome&#58; NY\r\nWEEK2\r\nA at B\r\nWEEK3\r\nC at D\r\n");
    EXPECT_EQ(pool.Read("ZRPweek.dat"), "1\r\n1\r\n3\r\n");
    EXPECT_FALSE(pool.Exists("ZRP__journal.txt"));  // both saved through one batch
    EXPECT_EQ(TextAreaLines(pool.Admin("DF"))[1], "Waco&#44; TX at Rome&#58; NY");

    // A bad file is shown again and not saved.
    const std::string season = pool.Read("zrp.cfg"), week = pool.Read("ZRPweek.dat");
    const std::string game = "a game line must be First Team at Second Team";
    const std::string header = "a period header must be WEEK and its number";
    std::string crowded = "WEEK1";
    for (int g = 1; g <= 101; ++g) crowded += "\r\nA" + std::to_string(g) + " at B";
    for (auto [typed, why] : std::vector<std::pair<std::string, std::string>>{
             {"WEEK1\r\nA at B\r\n\r\nWeek 2\r\nC at D", "Line 4 (Week 2): " + header},
             {"WEEK2\r\nA at B\r\nWEEK2\r\nC at D", "Line 3 (WEEK2): a period number must be higher than the one before"},
             {"WEEK1\r\nA at B at C", "Line 2 (A at B at C): " + game},
             {crowded, "Line 102 (A101 at B): a period holds at most 100 games"}}) {
        CgiAnswer shown = pool.Admin("TDF", {{"COMMENTFIELD", typed}});
        EXPECT_TRUE(shown.HasLine("<!-- AdminRegViewTDFile -->")) << why;
        EXPECT_TRUE(shown.HasLine(Notice("File Not Saved! " + why))) << why;
        // The text as typed, its punctuation as the form field brings it.
        EXPECT_EQ(TextAreaLines(shown), CrLfLines(ReplaceAll(typed, ":", "&#58;"))) << why;
        EXPECT_EQ(pool.Read("zrp.cfg") + pool.Read("ZRPweek.dat"), season + week);
    }

    // A preamble without period numbers, blank lines and dated headers are fine.
    std::string good = "Office pool, weekly\r\n\r\nWEEK1 - Sept 7\r\nA at B\r\n\r\nWEEK3\r\nC at D";
    EXPECT_TRUE(pool.Admin("TDF", {{"COMMENTFIELD", good}}).HasLine("<!-- AdminMainMenu -->"));
    EXPECT_EQ(pool.Read("zrp.cfg"), "Office pool&#44; weekly\r\n\r\nWEEK1 - Sept 7\r\nA at B\r\n\r\nWEEK3\r\nC at D\r\n");
}
