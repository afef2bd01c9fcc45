#include <gtest/gtest.h>

#include "users/users_pool.h"

namespace {

const std::string kAnnsMenu = "Welcome! ANN LEE<br>";

// What an ordinary player posts of the administrator's actions changes
// nothing and shows him his own main menu, without administrative access.
TEST(ActionTable, AdministratorsActionsAndClosedPickPagesShowAPlayerHisOwnMenu) {
    SeasonPool pool;
    pool.Login(kAnn, "pw1");
    auto before = pool.DataFiles();
    const Fields fields = {{"MONTH", "01"}, {"DAY", "02"}, {"COMMENTFIELD", "WEEK9"}, {"USEREMAIL", "me@x.com"},
                           {"USERPASSWORD", "x"}, {"USERREALNAME", "ANN LEE"}, {"USERSTATUS", "ADMINISTRATOR"},
                           {"NEWUSER", "BLOCKALL"}};
    for (const char* action : {"ACTIVITYLOG", "ADDUSER", "ADMIN", "SETLOCKDATE", "ENTERWINNERSFINAL", "TDF",
                               "SETUSERSTATUS", " adminupdate ", "NEWUSER", "EDITTHISUSER", "EXPORTSTANDINGS",
                               "EXPORTPICKS", "UNDOSCORINGFINAL", "NEWSEASONFINAL", "PLAYERSWITHOUTPICKS"}) {
        CgiAnswer page = pool.Act(action, kAnn, "pw1", fields);
        EXPECT_TRUE(page.HasLine(kAnnsMenu) && !page.HasLine("<br><hr>") && page.Hidden("ACTION").empty()) << action;
        EXPECT_EQ(pool.DataFiles(), before) << action;
    }
    EXPECT_TRUE(pool.Admin("ADDUSER").HasLine("<!-- adminmiddle -->"));

    // Once the lock-out time has passed or the pool has ended, the pick sheet,
    // its confirmation and its saving show the player's own menu instead; his
    // saved picks stay in view.
    pool.Write("ZRPpicks1_.dat", "ANN LEE\r\n10\r\n33\r\n");
    const Fields picks = {{"LINENUMBER", "2"}, {"UWP", "01"}, {"TIEBREAKER", "27"}};
    for (auto [file, bytes] : {std::pair{"ZRP__LockDateTime.txt", "01\r\n02\r\n2020\r\n10\r\n00\r\n"},
                               {"ZRPweek.dat", "3\r\n1\r\n2\r\n"}}) {
        pool.Write(file, bytes);
        for (const char* action : {"THISWEEK", "USERPICS1", "USERPICS2"})
            EXPECT_TRUE(pool.Act(action, kAnn, "pw1", picks).HasLine(kAnnsMenu)) << file << " " << action;
        EXPECT_EQ(pool.Read("ZRPpicks1_.dat"), "ANN LEE\r\n10\r\n33\r\n");
        EXPECT_FALSE(pool.Act("VIEWUSERPICKS", kAnn, "pw1").HasLine(kAnnsMenu)) << file;
    }
}

// The folder listings that an earlier version kept go at the next request;
// another pool's file of that name stays for that pool.
TEST(StartUp, RemovesTheFilesNoLongerKept) {
    Pool pool;
    for (const char* name : {"ZRP__FolderListings.dat", "ZRP__UserIndex.dat", "ZRP__AddressLimits.txt",
                             "OTHER__FolderListings.dat"})
        pool.Write(name, "old");
    EXPECT_TRUE(pool.Get().HasLine(R"(<INPUT TYPE="HIDDEN" NAME="ACTION" Value="LOGIN">)"));
    std::vector<std::string> left = pool.Files();
    EXPECT_EQ(std::count_if(left.begin(), left.end(), [](const std::string& n) { return n.find("__") != n.npos; }), 1);
    EXPECT_TRUE(pool.Exists("OTHER__FolderListings.dat"));
}

}  // namespace
