#include <gtest/gtest.h>

#include <regex>

#include "admin/admin_pool.h"
#include "core/text.h"

namespace {

const std::string kNotAvailable = R"(<font color="#CCCCCC">.</font><i>X Edit/Delete Users - Not Available</i><br>)";
const std::string kEditEntry = R"(<input type="radio" name="ACTION" value="EDITUSER"><b>Edit / Delete a User</b><br>)";
const std::string kUpdated = "Database Has Been Updated.<br><br>";
const std::string kChooseHeading = R"(<div align="center"><font face="Verdana, Arial, Helvetica, sans-serif" )"
                                   R"(color="#0000FF"><b>SELECT USER TO EDIT/DELETE AND CLICK SUBMIT</b></font></div>)";

std::vector<std::string> WithoutHiddenFields(const std::vector<std::string>& lines) {
    std::vector<std::string> kept;
    for (const std::string& line : lines)
        if (!StartsWith(line, "<INPUT TYPE=\"HIDDEN\"")) kept.push_back(line);
    return kept;
}

std::vector<std::string> Emails(const std::vector<UserRecord>& users) {
    std::vector<std::string> emails;
    for (const UserRecord& u : users) emails.push_back(u.UserEmail + "/" + u.UserStatus);
    return emails;
}

CgiAnswer Choose(const AdminPool& pool, const std::string& name) {
    return pool.Admin("EDITTHISUSER", {{"USERREALNAME", name}});
}

}  // namespace

TEST(AdminUserPages, MenuOffersEditingOnlyOnceThereAreOtherUsers) {
    AdminPool pool;
    CgiAnswer menu = pool.Admin("ADMIN");
    EXPECT_EQ(menu.Errors, "");
    EXPECT_TRUE(menu.HasLine("<!-- AdminMainMenu -->"));
    EXPECT_TRUE(menu.HasLine(R"(<font face="Verdana, Arial, Helvetica, sans-serif" color="#0000FF"><b>Welcome! )"
                             R"(BIG BOSS</b></font><br>)"));
    EXPECT_TRUE(menu.HasLine(R"(<input type="radio" name="ACTION" value="ADDUSER" checked><b>Add a User</b><br>)"));
    EXPECT_TRUE(menu.HasLine(kNotAvailable));
    EXPECT_FALSE(menu.HasLine(kEditEntry));
    EXPECT_TRUE(menu.HasLine(R"(<input type="radio" name="ACTION" value="NEWUSER"><b>Change New User Login )"
                             R"(Status From</b><br>)"));
    EXPECT_TRUE(menu.HasLine(R"(<font color="#CCCCCC">XX</font><b>ALLOWALL</b><br>)"));
    EXPECT_TRUE(HasImageButton(menu, "Fsubmit.gif", "Submit"));
    EXPECT_TRUE(HasImageButton(menu, "Fmainmenu.gif", "Return to Main Menu"));

    pool.AddUser("ann@pool.test", "Ann Lee", "pw1");
    CgiAnswer again = pool.Admin(" adminmainmenu ");
    EXPECT_TRUE(again.HasLine(kEditEntry));
    EXPECT_FALSE(again.HasLine(kNotAvailable));
}

TEST(AdminUserPages, AddPageOffersOneEmptyWhiteRow) {
    AdminPool pool;
    CgiAnswer page = pool.Admin("ADDUSER");
    std::vector<std::string> expected = {
        "<!-- adminmiddle -->",
        R"(  <tr bgcolor="#FFFFFF">)",
        R"(    <td width="174"><FORM NAME="form1" METHOD="POST" ACTION="http://pool.test/cgi-bin/zrp.exe">)",
        R"(<input type="text" name="USEREMAIL" size="20" maxlength="40">)",
        "    </td>",
        R"(    <td width="166">)",
        R"(<input type="text" name="USERREALNAME" size="18" maxlength="40">)",
        "    </td>",
        R"(    <td width="111">)",
        R"(<input type="text" name="USERPASSWORD" size="8" maxlength="20">)",
        "    </td>",
        R"(    <td width="104">)",
        R"(<select name="USERSTATUS" size="1">)",
        R"(  <option value="USER">USER</option>)",
        R"(  <option value="DELETE">DELETE</option>)",
        R"(  <option value="ADMINISTRATOR">ADMIN</option>)",
        "</select>",
        "    </td>",
        R"(    <td width="83"><br>)",
        R"(<input type="submit" name="Submit" value="Submit">)",
        "</form>",
        "    </td>",
        "  </tr>"};
    EXPECT_EQ(WithoutHiddenFields(page.Between("<!-- adminmiddle -->", "  </tr>")), expected);
    EXPECT_EQ(page.Hidden("ACTION"), "ADMINUPDATE");
    EXPECT_TRUE(page.HasLine(R"(    <td width="216"><div align="center"><font face="Verdana, Arial, Helvetica, )"
                             R"(sans-serif" size="1" color="#FFFFFF"><b>Email)"));
    EXPECT_TRUE(page.HasLine("      Address</b></font></div></td>"));
    EXPECT_TRUE(page.HasLine(R"(    <td width="96"><div align="center"><font face="Verdana, Arial, Helvetica, )"
                             R"(sans-serif" size="1" color="#FFFFFF"><b>Click to Process</b></font></div></td>)"));
    EXPECT_TRUE(page.HasLine(R"(<input type="submit" name="Submit" value="Abandon and Return to Main Menu">)"));
}

TEST(AdminUserPages, AddEditAndDeleteCycleKeepsTheFileCompact) {
    AdminPool pool;
    EXPECT_TRUE(pool.AddUser("ann@pool.test ", " Ann Lee", "pw1").HasLine(kUpdated));
    pool.AddUser("bob@pool.test", "Bob Ray", "pw2");
    std::string bytes = pool.Read("ZRPform_user.dat");
    ASSERT_EQ(bytes.size(), 3u * 1695);
    EXPECT_EQ(bytes.substr(1695, 140), std::string("ANN@POOL.TEST") + std::string(27, ' ') + "PW1" +
                                           std::string(37, ' ') + "ANN LEE" + std::string(53, ' '));
    EXPECT_TRUE(std::regex_match(bytes.substr(1695 + 140, 35),
                                 std::regex(R"(\d\d-\d\d-\d{4} \d\d:\d\d:\d\d {16})")));
    EXPECT_EQ(bytes.substr(1695 + 175, 20), "USER" + std::string(16, ' '));
    EXPECT_EQ(bytes.substr(1695 + 195, 1500), std::string(1500, '\0'));

    CgiAnswer choice = pool.Admin("EDITUSER");
    EXPECT_EQ(LinesInside(choice, "<select name=\"USERREALNAME\"", "</select>"),
              (std::vector<std::string>{R"(  <option value="ANN LEE">ANN LEE</option>)",
                                        R"(  <option value="BOB RAY">BOB RAY</option>)"}));
    EXPECT_EQ(choice.Hidden("ACTION"), "EDITTHISUSER");

    CgiAnswer edit = Choose(pool, "ANN LEE");
    EXPECT_TRUE(edit.HasLine(R"(  <tr bgcolor="#0099FF">)"));
    EXPECT_TRUE(edit.HasLine(R"(<input type="text" name="USEREMAIL" size="20" maxlength="40" value="ANN@POOL.TEST">)"));
    EXPECT_TRUE(edit.HasLine(R"(<input type="text" name="USERREALNAME" size="18" maxlength="40" value="ANN LEE">)"));
    EXPECT_TRUE(edit.HasLine(R"(<input type="text" name="USERPASSWORD" size="8" maxlength="20" value="PW1">)"));
    EXPECT_FALSE(edit.HasLine("<!-- adminmiddle -->"));
    EXPECT_EQ(Emails(pool.Users()), (std::vector<std::string>{"BOSS@POOL.TEST/ADMINISTRATOR", "ANN@POOL.TEST/DELETE",
                                                               "BOB@POOL.TEST/USER"}));

    pool.AddUser("ann@new.test", "Ann Smith", "pw9");
    std::vector<UserRecord> users = pool.Users();
    EXPECT_EQ(Emails(users), (std::vector<std::string>{"BOSS@POOL.TEST/ADMINISTRATOR", "BOB@POOL.TEST/USER",
                                                        "ANN@NEW.TEST/USER"}));
    EXPECT_EQ(users[2].UserRealName, "ANN SMITH");
    EXPECT_EQ(users[2].UserPassword, "PW9");

    Choose(pool, "BOB RAY");
    pool.AddUser("BOB@POOL.TEST", "BOB RAY", "PW2", "DELETE");
    EXPECT_EQ(Emails(pool.Users()), (std::vector<std::string>{"BOSS@POOL.TEST/ADMINISTRATOR", "ANN@NEW.TEST/USER"}));
    EXPECT_EQ(pool.Read("ZRPform_user.dat").size(), 2u * 1695);
    EXPECT_FALSE(pool.Exists("ZRPform_user.ddd"));
}

TEST(AdminUserPages, PendingPlayerIsAdmittedByStoringTheEditRow) {
    AdminPool pool;
    pool.Write("ZRP__NewUserStatus.txt", "APPROVE\r\n");
    pool.Join("newbie@pool.test", "np", "Nina New");
    EXPECT_EQ(Emails(pool.Users()), (std::vector<std::string>{"BOSS@POOL.TEST/ADMINISTRATOR",
                                                               "NEWBIE@POOL.TEST/PENDING"}));
    EXPECT_TRUE(pool.Admin("ADMIN").HasLine(R"(<font color="#CCCCCC">XX</font><b>APPROVE</b><br>)"));

    CgiAnswer edit = Choose(pool, "NINA NEW");
    EXPECT_TRUE(edit.HasLine(R"(<input type="text" name="USEREMAIL" size="20" maxlength="40" value="NEWBIE@POOL.TEST">)"));
    // Submitted as it stands, the status list sends "USER".
    pool.AddUser("NEWBIE@POOL.TEST", "NINA NEW", "NP");
    std::vector<UserRecord> users = pool.Users();
    EXPECT_EQ(Emails(users), (std::vector<std::string>{"BOSS@POOL.TEST/ADMINISTRATOR", "NEWBIE@POOL.TEST/USER"}));
    EXPECT_TRUE(pool.Act("VIEWPLAYERS", "newbie@pool.test", "np").HasLine("<!-- ViewUsers -->"));
}

TEST(AdminUserPages, KnownCredentialsAndAddressesWithoutAtAddNothing) {
    AdminPool pool;
    pool.AddUser("ann@pool.test", "Ann Lee", "pw1");
    std::string before = pool.Read("ZRPform_user.dat");
    EXPECT_TRUE(pool.AddUser(" ANN@pool.test", "Someone Else", "PW1", "ADMINISTRATOR").HasLine(kUpdated));
    EXPECT_TRUE(pool.AddUser("nobody", "No Address", "x").HasLine(kUpdated));
    EXPECT_TRUE(pool.AddUser("gone@pool.test", "Gone", "x", "DELETE").HasLine(kUpdated));
    EXPECT_EQ(pool.Read("ZRPform_user.dat"), before);

    pool.AddUser("ann@pool.test", "Ann Again", "other");
    EXPECT_EQ(Emails(pool.Users()), (std::vector<std::string>{"BOSS@POOL.TEST/ADMINISTRATOR", "ANN@POOL.TEST/USER",
                                                               "ANN@POOL.TEST/USER"}));
}

TEST(AdminUserPages, ChoiceListSkipsTheFirstRecordDeletedAndBlankOnes) {
    AdminPool pool;
    pool.WriteUsers({MakeUser("BOSS@POOL.TEST", "BIG BOSS", "SECRET", "ADMINISTRATOR"), MakeUser("A@X.TEST", "ANN", "P", "USER"),
                     MakeUser("", "BLANK", "P", "USER"), MakeUser("D@X.TEST", "DEAD", "P", "DELETE"),
                     MakeUser("B@X.TEST", "BOB", "P", "PENDING"), MakeUser("E@X.TEST", "LAST", "P", " DELETE")});
    CgiAnswer choice = pool.Admin("EDITUSER");
    EXPECT_TRUE(choice.HasLine(kChooseHeading));
    EXPECT_EQ(LinesInside(choice, "<select name=\"USERREALNAME\"", "</select>"),
              (std::vector<std::string>{R"(  <option value="ANN">ANN</option>)", R"(  <option value="BOB">BOB</option>)"}));
    EXPECT_EQ(choice.Count("</select>"), 1u);
}

TEST(AdminUserPages, BlankOrUnknownChoiceMarksNobodyAndAsksAgain) {
    AdminPool pool;
    pool.WriteUsers({MakeUser("BOSS@POOL.TEST", "BIG BOSS", "SECRET", "ADMINISTRATOR"), MakeUser("A@X.TEST", "ANN", "P", "USER"),
                     MakeUser("C@X.TEST", "Carl Diaz", "P", "USER")});
    std::string before = pool.Read("ZRPform_user.dat");
    for (std::string name : {"", "   ", "NOBODY", "CHECKUSERNAME"}) {
        CgiAnswer page = Choose(pool, name);
        EXPECT_TRUE(page.HasLine(kChooseHeading)) << name;
        EXPECT_EQ(page.Hidden("ACTION"), "EDITTHISUSER") << name;
        EXPECT_EQ(pool.Read("ZRPform_user.dat"), before) << name;
    }
    // A name stored as typed (not upper-cased) is offered as stored and can be chosen.
    CgiAnswer edit = Choose(pool, "Carl Diaz");
    EXPECT_TRUE(edit.HasLine(R"(<input type="text" name="USERREALNAME" size="18" maxlength="40" value="Carl Diaz">)"));
    EXPECT_EQ(Emails(pool.Users()), (std::vector<std::string>{"BOSS@POOL.TEST/ADMINISTRATOR", "A@X.TEST/USER",
                                                               "C@X.TEST/DELETE"}));
}
