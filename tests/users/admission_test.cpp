#include <gtest/gtest.h>

#include "users/users_pool.h"

namespace {

Lines PolicyPage(const std::string& stored) {
    Lines page = {R"(<INPUT TYPE="HIDDEN" NAME="ACTION" Value="SETUSERSTATUS">)",
                  R"(<input type="submit" name="Submit" value="Enter New User Status">)"};
    for (const char* value : {"ALLOWALL", "APPROVE", "BLOCKALL"})
        page.push_back("          <INPUT TYPE=\"RADIO\" NAME=\"NEWUSER\" VALUE=\"" + std::string(value) + "\"" +
                       (value == stored ? " checked>" : ">"));
    return page;
}

// The policy page checks the stored policy (ALLOWALL when none is stored,
// none when it is unknown) and the one sent is stored.
TEST(Admission, PolicyPageSelectsTheStoredPolicyAndStoresTheOneSent) {
    SeasonPool pool;
    for (auto [stored, shown] : {std::pair{"", "ALLOWALL"}, {" approve \r\n", "APPROVE"}, {"SOMETIMES\r\n", ""}}) {
        if (*stored) pool.Write("ZRP__NewUserStatus.txt", stored);
        EXPECT_EQ(Missing(pool.Admin("NEWUSER"), PolicyPage(shown)), Lines{}) << stored;
    }
    pool.Admin("SETUSERSTATUS", {{"NEWUSER", "BLOCKALL"}});
    EXPECT_EQ(pool.Read("ZRP__NewUserStatus.txt"), "BLOCKALL\r\n");
}

// Beside the admission policy the same form chooses whether saved picks are
// final (when nothing is stored) or may change until the lock-out; the
// administrator's menu names both, and a form without the picks policy
// keeps the stored one.
TEST(Admission, PicksPolicyIsChosenOnTheSamePage) {
    SeasonPool pool;
    auto choices = [](const std::string& stored) {
        Lines lines = {"     <td> <b><div align=center><font face=" + kFace +
                           " size=\"2\">Saved Picks Are Final        </font></div></b></td><td><div align=left>",
                       "   <tr><td><div align=center> <b><font face=" + kFace +
                           " size=\"2\">Players May Change Their Picks Until The Lock Out        "
                           "</font></b></div></td><td><div align=left>"};
        for (const char* value : {"FINAL", "CHANGE"})
            lines.push_back("          <INPUT TYPE=\"RADIO\" NAME=\"PICKSPOLICY\" VALUE=\"" + std::string(value) +
                            "\"" + (value == stored ? " checked>" : ">"));
        return lines;
    };
    auto menuLine = [](const std::string& word) {
        return "<font color=\"#CCCCCC\">XX</font><b>PICKS " + word + "</b><br>";
    };
    EXPECT_EQ(Missing(pool.Admin("NEWUSER"), choices("FINAL")), Lines{});
    EXPECT_TRUE(pool.Admin("ADMIN").HasLine(menuLine("FINAL")));

    CgiAnswer menu = pool.Admin("SETUSERSTATUS", {{"NEWUSER", "APPROVE"}, {"PICKSPOLICY", "CHANGE"}});
    EXPECT_TRUE(menu.HasLine(menuLine("CHANGE")));
    EXPECT_EQ(pool.Read("ZRP__NewUserStatus.txt") + pool.Read("ZRP__PicksPolicy.txt"), "APPROVE\r\nCHANGE\r\n");
    EXPECT_EQ(Missing(pool.Admin("NEWUSER"), choices("CHANGE")), Lines{});

    pool.Admin("SETUSERSTATUS", {{"NEWUSER", "BLOCKALL"}});
    EXPECT_EQ(pool.Read("ZRP__NewUserStatus.txt") + pool.Read("ZRP__PicksPolicy.txt"), "BLOCKALL\r\nCHANGE\r\n");
}

}  // namespace
