#include <gtest/gtest.h>

#include "core/text.h"
#include "users/users_pool.h"

namespace {

const std::string kBossRow = "BOSS@POOL.TEST/ADMINISTRATOR";

// The names offered in the choice list.
Lines Choices(const CgiAnswer& page) {
    Lines names;
    for (const std::string& line : page.Between(R"(<select name="USERREALNAME" size="1">)", "</select>"))
        if (StartsWith(line, "  <option")) names.push_back(line.substr(line.find('>') + 1));
    return names;
}

}  // namespace

// The add row stores a player trimmed and upper-cased; known credentials and
// entries that cannot stay add nothing; a pending player is admitted by his
// edit row; the menu offers editing once there is someone to edit.
TEST(UserEditPages, AddAndAdmitCyclesKeepTheFileCompact) {
    AdminPool pool;
    std::string editEntry = MenuEntry("EDITUSER", "Edit / Delete a User");
    EXPECT_FALSE(pool.Admin("ADMIN").HasLine(editEntry));  // nobody to edit yet
    EXPECT_TRUE(pool.AddUser("ann@pool.test ", " Ann Lee", "pw1").HasLine("Database Has Been Updated.<br><br>"));
    pool.AddUser("bob@pool.test", "Bob Ray", "pw2");
    EXPECT_TRUE(pool.Admin(" adminmainmenu ").HasLine(editEntry));
    std::string bytes = pool.Read("ZRPform_user.dat");
    EXPECT_TRUE(bytes.substr(1695, 1695) == Bytes("ANN@POOL.TEST", "PW1", "ANN LEE", "USER", StampOf(bytes, 2)));
    // Known credentials, and entries that cannot stay, add nothing.
    pool.AddUser(" ANN@pool.test", "Someone Else", "PW1", "ADMINISTRATOR");
    pool.AddUser("nobody", "No Address", "x");
    pool.AddUser("gone@pool.test", "Gone", "x", "DELETE");
    EXPECT_EQ(pool.Read("ZRPform_user.dat"), bytes);
    // A pending player is admitted by storing his edit row as it comes.
    pool.Write("ZRP__NewUserStatus.txt", "APPROVE\r\n");
    pool.Join("newbie@pool.test", "np", "Nina New");
    pool.AddUser("NEWBIE@POOL.TEST", "NINA NEW", "NP", "USER", "NINA NEW");
    EXPECT_EQ(pool.Users(), (Lines{kBossRow, "ANN@POOL.TEST/USER", "BOB@POOL.TEST/USER", "NEWBIE@POOL.TEST/USER"}));
    EXPECT_TRUE(pool.Act("VIEWPLAYERS", "newbie@pool.test", "np").HasLine("<!-- ViewUsers -->"));
}

// The choice list offers the live players but the administrator himself; a
// name that is no player's shows the list again and changes nothing.
TEST(UserEditPages, ChoiceOffersOtherLiveUsersAndAnEditReplacesOnlyTheOneChosen) {
    AdminPool pool;
    pool.WriteUsers({"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR", "A@X.TEST/ANN/P/USER", "/BLANK/P/USER",
                     "D@X.TEST/DEAD/P/DELETE", "C@X.TEST/Carl Diaz/P/PENDING", "DEPUTY@X.TEST/DEPUTY/D/ADMINISTRATOR",
                     "E@X.TEST/LAST/P/ DELETE", "B@X.TEST/BIG BOSS/P/USER"});
    Lines offered = {"ANN</option>", "Carl Diaz</option>", "DEPUTY</option>", "BIG BOSS</option>"};
    EXPECT_EQ(Choices(pool.Admin("EDITUSER")), offered);
    offered.erase(offered.begin() + 2);  // an administrator is not offered his own record
    EXPECT_EQ(Choices(pool.Act("EDITUSER", "deputy@x.test", "d")), offered);
    std::string before = pool.Read("ZRPform_user.dat");
    pool.Act("EDITTHISUSER", "deputy@x.test", "d", {{"USERREALNAME", "DEPUTY"}});
    for (std::string name : {"", "   ", "NOBODY", "CHECKUSERNAME"})
        EXPECT_EQ(Choices(pool.Admin("EDITTHISUSER", {{"USERREALNAME", name}})).size(), 4u) << name;
    EXPECT_EQ(pool.Read("ZRPform_user.dat"), before);
    // A name stored as typed can be chosen and kept; the player who shares
    // the first administrator's name is the one deleted.
    EXPECT_TRUE(pool.Admin("EDITTHISUSER", {{"USERREALNAME", "Carl Diaz"}})
                    .HasLine(R"(<input type="text" name="USERREALNAME" size="18" maxlength="40" value="Carl Diaz">)"));
    pool.AddUser("c@x.test", "Carl Diaz", "p", "USER", "Carl Diaz");
    pool.AddUser("b@x.test", "Big Boss", "p", "DELETE", "BIG BOSS");
    EXPECT_EQ(pool.Users(), (Lines{kBossRow, "A@X.TEST/USER", "DEPUTY@X.TEST/ADMINISTRATOR", "C@X.TEST/USER"}));
}
