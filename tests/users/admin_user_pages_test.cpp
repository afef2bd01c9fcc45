#include <gtest/gtest.h>

#include <regex>

#include "support/admin_pool.h"

namespace {

using Lines = std::vector<std::string>;
const std::string kNotAvailable = R"(<font color="#CCCCCC">.</font><i>X Edit/Delete Users - Not Available</i><br>)";
const std::string kEditEntry = R"(<input type="radio" name="ACTION" value="EDITUSER"><b>Edit / Delete a User</b><br>)";
const std::string kUpdated = "Database Has Been Updated.<br><br>";
const std::string kChooseHeading = R"(<div align="center"><font face="Verdana, Arial, Helvetica, sans-serif" )"
                                   R"(color="#0000FF"><b>SELECT USER TO EDIT/DELETE AND CLICK SUBMIT</b></font></div>)";

std::string Input(const std::string& name, const std::string& size, const std::string& max, const std::string& value) {
    return "<input type=\"text\" name=\"" + name + "\" size=\"" + size + "\" maxlength=\"" + max + "\"" +
           (value.empty() ? "" : " value=\"" + value + "\"") + ">";
}

Lines Choices(const CgiAnswer& page) { return LinesInside(page, "<select name=\"USERREALNAME\"", "</select>"); }
std::string Option(const std::string& name) { return "  <option value=\"" + name + "\">" + name + "</option>"; }

}  // namespace

TEST(AdminUserPages, MenuOffersEditingOnlyOnceThereAreOtherUsers) {
    AdminPool pool;
    CgiAnswer menu = pool.Admin("ADMIN");
    EXPECT_TRUE(menu.HasLine(R"(<input type="radio" name="ACTION" value="ADDUSER" checked><b>Add a User</b><br>)"));
    EXPECT_TRUE(menu.HasLine(kNotAvailable));
    EXPECT_FALSE(menu.HasLine(kEditEntry));
    EXPECT_TRUE(menu.HasLine(R"(<font color="#CCCCCC">XX</font><b>ALLOWALL</b><br>)"));

    pool.AddUser("ann@pool.test", "Ann Lee", "pw1");
    CgiAnswer again = pool.Admin(" adminmainmenu ");
    EXPECT_TRUE(again.HasLine(kEditEntry));
    EXPECT_FALSE(again.HasLine(kNotAvailable));
}

TEST(AdminUserPages, AddEditAndDeleteCycleKeepsTheFileCompact) {
    AdminPool pool;
    CgiAnswer add = pool.Admin("ADDUSER");
    EXPECT_TRUE(add.HasLine("<!-- adminmiddle -->") && add.HasLine(Input("USERPASSWORD", "8", "20", "")));
    EXPECT_EQ(add.Hidden("ACTION"), "ADMINUPDATE");

    EXPECT_TRUE(pool.AddUser("ann@pool.test ", " Ann Lee", "pw1").HasLine(kUpdated));
    pool.AddUser("bob@pool.test", "Bob Ray", "pw2");
    std::string bytes = pool.Read("ZRPform_user.dat");
    ASSERT_EQ(bytes.size(), 3u * 1695);
    EXPECT_EQ(bytes.substr(1695, 140), "ANN@POOL.TEST" + std::string(27, ' ') + "PW1" + std::string(37, ' ') +
                                           "ANN LEE" + std::string(53, ' '));
    EXPECT_TRUE(std::regex_match(bytes.substr(1695 + 140, 55), std::regex(R"(\d\d-\d\d-\d{4} \d\d:\d\d:\d\d {16}USER {16})")));
    EXPECT_EQ(bytes.substr(1695 + 195, 1500), std::string(1500, '\0'));
    EXPECT_EQ(Choices(pool.Admin("EDITUSER")), (Lines{Option("ANN LEE"), Option("BOB RAY")}));

    // Opening the edit row marks the record; storing the row adds the user anew at the end.
    CgiAnswer edit = pool.Admin("EDITTHISUSER", {{"USERREALNAME", "ANN LEE"}});
    EXPECT_TRUE(edit.HasLine(R"(  <tr bgcolor="#0099FF">)"));
    EXPECT_TRUE(edit.HasLine(Input("USEREMAIL", "20", "40", "ANN@POOL.TEST")));
    EXPECT_TRUE(edit.HasLine(Input("USERPASSWORD", "8", "20", "PW1")));
    EXPECT_EQ(pool.Users(), (Lines{"BOSS@POOL.TEST/ADMINISTRATOR", "ANN@POOL.TEST/DELETE", "BOB@POOL.TEST/USER"}));
    pool.AddUser("ann@new.test", "Ann Smith", "pw9");
    EXPECT_EQ(pool.Users(), (Lines{"BOSS@POOL.TEST/ADMINISTRATOR", "BOB@POOL.TEST/USER", "ANN@NEW.TEST/USER"}));

    pool.Admin("EDITTHISUSER", {{"USERREALNAME", "BOB RAY"}});
    pool.AddUser("BOB@POOL.TEST", "BOB RAY", "PW2", "DELETE");
    EXPECT_EQ(pool.Users(), (Lines{"BOSS@POOL.TEST/ADMINISTRATOR", "ANN@NEW.TEST/USER"}));
    EXPECT_FALSE(pool.Exists("ZRPform_user.ddd"));
}

TEST(AdminUserPages, PendingPlayerIsAdmittedByStoringTheEditRow) {
    AdminPool pool;
    pool.Write("ZRP__NewUserStatus.txt", "APPROVE\r\n");
    pool.Join("newbie@pool.test", "np", "Nina New");
    EXPECT_EQ(pool.Users(), (Lines{"BOSS@POOL.TEST/ADMINISTRATOR", "NEWBIE@POOL.TEST/PENDING"}));
    pool.Admin("EDITTHISUSER", {{"USERREALNAME", "NINA NEW"}});
    pool.AddUser("NEWBIE@POOL.TEST", "NINA NEW", "NP");  // the status list sends "USER" untouched
    EXPECT_EQ(pool.Users(), (Lines{"BOSS@POOL.TEST/ADMINISTRATOR", "NEWBIE@POOL.TEST/USER"}));
    EXPECT_TRUE(pool.Act("VIEWPLAYERS", "newbie@pool.test", "np").HasLine("<!-- ViewUsers -->"));
}

TEST(AdminUserPages, KnownCredentialsAndEntriesThatCannotStayAddNothing) {
    AdminPool pool;
    pool.AddUser("ann@pool.test", "Ann Lee", "pw1");
    std::string before = pool.Read("ZRPform_user.dat");
    EXPECT_TRUE(pool.AddUser(" ANN@pool.test", "Someone Else", "PW1", "ADMINISTRATOR").HasLine(kUpdated));
    EXPECT_TRUE(pool.AddUser("nobody", "No Address", "x").HasLine(kUpdated));
    pool.AddUser("gone@pool.test", "Gone", "x", "DELETE");
    EXPECT_EQ(pool.Read("ZRPform_user.dat"), before);
}

TEST(AdminUserPages, ChoiceOffersLiveUsersAfterTheFirstAndMarksOnlyTheOneChosen) {
    AdminPool pool;
    pool.WriteUsers({"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR", "A@X.TEST/ANN/P/USER", "/BLANK/P/USER",
                     "D@X.TEST/DEAD/P/DELETE", "C@X.TEST/Carl Diaz/P/PENDING", "E@X.TEST/LAST/P/ DELETE",
                     "B@X.TEST/BIG BOSS/P/USER"});
    CgiAnswer choice = pool.Admin("EDITUSER");
    EXPECT_TRUE(choice.HasLine(kChooseHeading));
    EXPECT_EQ(Choices(choice), (Lines{Option("ANN"), Option("Carl Diaz"), Option("BIG BOSS")}));

    std::string before = pool.Read("ZRPform_user.dat");
    for (std::string name : {"", "   ", "NOBODY", "CHECKUSERNAME"}) {
        CgiAnswer page = pool.Admin("EDITTHISUSER", {{"USERREALNAME", name}});
        EXPECT_TRUE(page.HasLine(kChooseHeading)) << name;
        EXPECT_EQ(pool.Read("ZRPform_user.dat"), before) << name;
    }
    // A name stored as typed, not upper-cased, can still be chosen.
    CgiAnswer edit = pool.Admin("EDITTHISUSER", {{"USERREALNAME", "Carl Diaz"}});
    EXPECT_TRUE(edit.HasLine(Input("USERREALNAME", "18", "40", "Carl Diaz")));
    EXPECT_EQ(pool.Users()[4], "C@X.TEST/DELETE");
    // The player who shares the first administrator's name is the one marked.
    pool.Admin("EDITTHISUSER", {{"USERREALNAME", "BIG BOSS"}});
    EXPECT_EQ(pool.Users()[0], "BOSS@POOL.TEST/ADMINISTRATOR");
    EXPECT_EQ(pool.Users()[6], "B@X.TEST/DELETE");
}

TEST(AdminUserPages, AnAdministratorIsNotOfferedHisOwnRecord) {
    AdminPool pool;
    pool.WriteUsers({"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR", "A@X.TEST/ANN/P/USER",
                     "DEPUTY@X.TEST/DEPUTY/D/ADMINISTRATOR"});
    CgiAnswer choice = pool.Act("EDITUSER", "deputy@x.test", "d");
    EXPECT_EQ(Choices(choice), (Lines{Option("ANN")}));
    std::string before = pool.Read("ZRPform_user.dat");
    pool.Act("EDITTHISUSER", "deputy@x.test", "d", {{"USERREALNAME", "DEPUTY"}});
    EXPECT_EQ(pool.Read("ZRPform_user.dat"), before);
}
