#include <gtest/gtest.h>

#include "users/users_pool.h"

namespace {

const std::string kRedFont = "<font face=" + kFace + R"( size="2" color="#FF0000">)";
const std::string kBlankLine = "<i>Error : Real Name Is Blank - Nothing Was Stored</i><br></font>";
const std::string kTakenLine =
    "<i>Error : Another Player Already Has This Real Name - Nothing Was Stored</i><br></font>";
const std::string kEditHeading = "<div align=\"center\"><font face=" + kFace +
                                 " color=\"#0000FF\"><b>EDIT USER THEN CLICK SUBMIT</b></font></div>";
const std::string kRowForm = R"(    <td width="174"><FORM NAME="form1")";

// The administrator's add and edit pages refuse a blank real name and one
// that another player has, in any case and with blanks around it, and show
// the row again as typed; a player keeps his own name.
TEST(RealNames, AdminPagesRefuseABlankOrTakenRealName) {
    SeasonPool pool;
    pool.AddUser("bob@pool.test", "Bob Ray", "pw2");
    std::string users = pool.UserFile();
    for (auto [name, line] : {std::pair{"  ", kBlankLine}, {" ann lee ", kTakenLine}, {"BIG BOSS", kTakenLine}}) {
        CgiAnswer page = pool.AddUser("new@pool.test", name, "np");
        std::string email = R"(<input type="text" name="USEREMAIL" size="20" maxlength="40" value="new@pool.test">)";
        EXPECT_EQ(Missing(page, {"<!-- adminmiddle -->", kRedFont, line, email}), Lines{}) << name;
        EXPECT_TRUE(pool.UserFile() == users) << name;
    }
    CgiAnswer edit = pool.Admin("EDITTHISUSER", {{"USERREALNAME", "BOB RAY"}});
    for (auto [name, line] : {std::pair{"", kBlankLine}, {"Ann Lee  ", kTakenLine}}) {
        CgiAnswer again = pool.Post(FormFields(edit, kRowForm, {{"USERREALNAME", name}}));
        EXPECT_EQ(Missing(again, {kEditHeading, kRedFont, line}), Lines{}) << name;
        EXPECT_EQ(again.Hidden("EDITEDUSER"), "BOB RAY");
        EXPECT_TRUE(pool.UserFile() == users) << name;
    }
    pool.Post(FormFields(edit, kRowForm, {{"USERREALNAME", " bob ray "}, {"USERPASSWORD", "pw9"}}));
    EXPECT_TRUE(pool.Login("bob@pool.test", "pw9").HasLine("Welcome! BOB RAY<br>"));
}

// A newcomer cannot take the real name of a player already in the file,
// whatever the policy that admits him; nothing is stored until he gives his own.
TEST(RealNames, RegistrationRefusesARealNameThatAPlayerHas) {
    const std::string taken = "<i>Error : Another Player Already Has This Real Name</i><br></font>";
    for (const char* policy : {"ALLOWALL", "APPROVE"}) {
        SeasonPool pool;
        pool.Write("ZRP__NewUserStatus.txt", policy + std::string("\r\n"));
        std::string users = pool.UserFile();
        pool.Login("new@x.com", "np");
        for (const char* name : {"ANN LEE", " ann Lee "}) {
            CgiAnswer page = pool.Act("LOGINAPPROVE", "new@x.com", "np", {{"USERREALNAME", name}});
            EXPECT_EQ(Missing(page, {"<!-- LoginANewUser -->", kRedFont, taken}), Lines{}) << policy << name;
            EXPECT_EQ(page.Hidden("ACTION"), "LOGINAPPROVE");
        }
        pool.Act("THISWEEK", "new@x.com", "np", {{"NEWUSER", "ALLOWALL"}, {"USERREALNAME", "ann lee"}});
        EXPECT_TRUE(pool.UserFile() == users) << policy;
        pool.Act("LOGINAPPROVE", "new@x.com", "np", {{"USERREALNAME", "Ann Leigh"}});
        EXPECT_EQ(pool.Users().back(), policy == std::string("APPROVE") ? "NEW@X.COM/PENDING" : "NEW@X.COM/USER");
    }
}

}  // namespace
