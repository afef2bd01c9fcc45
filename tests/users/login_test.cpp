#include <gtest/gtest.h>

#include <regex>

#include "users/users_pool.h"

namespace {

const Lines kLoginScreen = {
    "    Enter Your Email Address and Password and Select 'Play The Pool !'. </font></b></p>",
    HiddenLine("ACTION", "LOGIN"), R"(    <td><INPUT TYPE="TEXT" NAME="NNAME" SIZE="20" MAXLENGTH="40"></td>)",
    R"(    <td><INPUT TYPE="PASSWORD" NAME="PASS" SIZE="20" MAXLENGTH="40"></td>)",
    R"(<input type="submit" name="Submit" value="Play The Pool !">)"};
const Lines kPasswordError = {"<font face=" + kFace + R"( size="2" color="#FF0000">)",
                              "<i>Error : Incorrect Password</i><br></font>"};
const Lines kMustBeApproved = {"<!-- NewUserMustBeApproved -->",
                               "The administrator Will have to approve your access to the pool.  Please check back "
                               "later to see if access has been granted."};
const Lines kNoNewUsers = {"The administrator is not presently allowing new users into the Zarn Pool", ". Send an",
                           R"(        <a href="MAILTO:boss@pool.test">)", "email</a> to see about gaining access."};
const Fields kCrafted = {{"NEWUSER", "ALLOWALL"}, {"USERREALNAME", "Sneaky"}};

Lines RealNamePage(const std::string& email, const std::string& password) {
    std::string shown = "    <td><font face=" + kFace + " size=\"1\">";
    return {"<!-- LoginANewUser -->", HiddenLine("ACTION", "LOGINAPPROVE"),
            "    Please Also Enter Your Real Name</b><br><i>If You Entered Your Info in Error, Go Back To The Prior "
            "Screen</i></font></p>",
            R"(    <td><INPUT TYPE="TEXT" NAME="USERREALNAME" SIZE="20" MAXLENGTH="40"></td>)",
            shown + Scrambled(email) + "</font></td>", shown + Scrambled(password) + "</font></td>"};
}

TEST(Login, VeryFirstPlayerBecomesTheAdministratorOnceHeGivesAName) {
    Pool pool;
    CgiAnswer first = pool.Get();
    EXPECT_EQ(Missing(first, kLoginScreen), Lines{});
    EXPECT_FALSE(first.HasLine(kPasswordError[1]));
    EXPECT_EQ(Missing(pool.Login("Boss@X.com", "Pw"), RealNamePage("Boss@X.com", "Pw")), Lines{});
    // A blank real name is asked for again, and no user file is made.
    EXPECT_TRUE(pool.Act("LOGINAPPROVE", "Boss@X.com", "Pw", {{"USERREALNAME", " "}}).HasLine("<!-- LoginANewUser -->"));
    EXPECT_FALSE(pool.Exists("ZRPform_user.dat"));

    CgiAnswer menu = pool.Act("LOGINAPPROVE", "Boss@X.com", "Pw", {{"USERREALNAME", "Big Boss"}});
    std::string users = pool.Read("ZRPform_user.dat");
    EXPECT_TRUE(users == Bytes("BOSS@X.COM", "PW", "BIG BOSS", "ADMINISTRATOR", StampOf(users, 1)));
    EXPECT_EQ(Missing(menu, {"Welcome! BIG BOSS<br>", "          <b>Administrative Access</b><br>"}), Lines{});
    EXPECT_EQ(menu.Errors, "");
}

TEST(Login, KnownPlayerIsLetInWhateverTheCaseAndHisAccessStamped) {
    SeasonPool pool;
    std::string before = pool.UserFile();
    CgiAnswer menu = pool.Login("Ann@pool.TEST", "pw1");
    EXPECT_TRUE(menu.HasLine("Welcome! ANN LEE<br>"));
    EXPECT_EQ(menu.Hidden("IAX"), Scrambled("PW1"));  // the stored password goes on
    std::string after = pool.UserFile();
    EXPECT_NE(StampOf(after, 2), kStamp);
    EXPECT_TRUE(std::regex_match(StampOf(after, 2), std::regex(R"(\d\d-\d\d-\d{4} \d\d:\d\d:\d\d)")));
    EXPECT_TRUE(after == before.substr(0, 1695) + Bytes("ANN@POOL.TEST", "PW1", "ANN LEE", "USER", StampOf(after, 2)));
}

TEST(Login, WrongPasswordShowsTheLoginScreenAgainAndIsLoggedTwice) {
    SeasonPool pool;
    std::string users = pool.UserFile();
    std::string logBefore = pool.Read("zrp.log");
    CgiAnswer page = pool.Login("ann@pool.test", "nope");
    EXPECT_EQ(Missing(page, kLoginScreen), Lines{});
    EXPECT_EQ(Missing(page, kPasswordError), Lines{});
    EXPECT_EQ(page.Hidden("XAI"), Scrambled("ann@pool.test"));
    std::string log = pool.Read("zrp.log").substr(logBefore.size());
    ASSERT_EQ(log.size(), 240u);
    EXPECT_NE(log.substr(0, 120).find(", Action=LOGIN "), std::string::npos);
    EXPECT_NE(log.substr(120).find(", Action=PASSWORD ERROR "), std::string::npos);
    EXPECT_TRUE(pool.UserFile() == users);
}

TEST(Login, NewPlayerUnderAllowAllJoinsAsAnOrdinaryPlayer) {
    SeasonPool pool;
    std::string users = pool.UserFile();
    EXPECT_EQ(Missing(pool.Login("new@x.com", "np"), RealNamePage("new@x.com", "np")), Lines{});
    EXPECT_TRUE(pool.Act("LOGINAPPROVE", "new@x.com", "np", {{"USERREALNAME", " "}}).HasLine("<!-- LoginANewUser -->"));
    EXPECT_TRUE(pool.UserFile() == users);
    CgiAnswer menu = pool.Act("LOGINAPPROVE", "new@x.com", "np", {{"USERREALNAME", " New Guy "}});
    EXPECT_TRUE(menu.HasLine("Welcome! NEW GUY<br>"));
    std::string after = pool.UserFile();
    EXPECT_TRUE(after == users + Bytes("NEW@X.COM", "NP", "NEW GUY", "USER", StampOf(after, 3)));
    EXPECT_TRUE(pool.Login("new@x.com", "np").HasLine("Welcome! NEW GUY<br>"));
}

// Under APPROVE and BLOCKALL a hand-made NEWUSER=ALLOWALL lets nobody in; only
// the real-name form under APPROVE records the player, as pending.
TEST(Login, NewPlayersFollowTheStoredPolicyWhateverTheRequestSays) {
    for (auto [policy, refusal] : {std::pair{"APPROVE", kMustBeApproved}, {"BLOCKALL", kNoNewUsers}}) {
        SeasonPool pool;
        pool.Write("ZRP__NewUserStatus.txt", policy + std::string("\r\n"));
        std::string users = pool.UserFile();
        bool approve = policy == std::string("APPROVE");
        EXPECT_EQ(Missing(pool.Login("new@x.com", "np"), approve ? RealNamePage("new@x.com", "np") : refusal), Lines{});
        for (const char* action : {"LOGINAPPROVE", "THISWEEK", "LOGIN"})
            EXPECT_EQ(Missing(pool.Act(action, "new@x.com", "np", kCrafted), refusal), Lines{}) << policy << action;
        std::string after = pool.UserFile();
        EXPECT_TRUE(after == users + (approve ? Bytes("NEW@X.COM", "NP", "SNEAKY", "PENDING", StampOf(after, 3)) : ""));
        EXPECT_TRUE(pool.Login("ann@pool.test", "pw1").HasLine("Welcome! ANN LEE<br>")) << policy;
    }
    Pool empty;
    for (const char* action : {"THISWEEK", "LOGIN"})
        EXPECT_FALSE(empty.Act(action, "new@x.com", "np", kCrafted).HasLine("<!-- MainMenu -->")) << action;
    EXPECT_FALSE(empty.Exists("ZRPform_user.dat"));
}

TEST(Login, BlankEmailOrPasswordGivesTheNotListedPageEscaped) {
    SeasonPool pool;
    struct Case {
        Fields fields;
        std::string email, password;
    };
    for (const Case& c : std::vector<Case>{{{{"ACTION", "LOGIN"}, {"NNAME", "a<b@x"}, {"PASS", " "}}, "a&#60;b@x", " "},
                                           {{{"ACTION", "THISWEEK"}, {"XAI", "<i>x"}, {"IAX", ""}}, "&#60;i&#62;x", ""},
                                           {{{"ACTION", "ADMIN"}, {"XAI", ""}, {"IAX", "p\"<"}}, "", "p&#34;&#60;"}}) {
        CgiAnswer page = pool.Post(c.fields);
        EXPECT_EQ(Missing(page, {"Your Email Address and Password is not listed for access.<br><br>",
                                 "<b>Email Address Submitted : " + c.email + "<br><br>",
                                 "Password Submitted : " + c.password + "<br></b>",
                                 R"(<br><br><a href="http://pool.test/cgi-bin/zrp.exe">Re-Enter Information</a><br>)"}),
                  Lines{});
        EXPECT_EQ(page.ExitStatus, 0);
        EXPECT_EQ(page.Errors, "");
    }
}

}  // namespace
