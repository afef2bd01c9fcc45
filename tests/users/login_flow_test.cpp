#include <gtest/gtest.h>

#include <regex>

#include "users/users_fixture.h"

namespace {

const std::string kTable =
    "<TABLE BGCOLOR=\"#CCCCCC\" BORDER=\"3\" CELLPADDING=\"2\" CELLSPACING=\"0\" WIDTH=\"400\" ALIGN=\"CENTER\">";

std::vector<std::string> Row(const std::string& label, const std::vector<std::string>& smallPrint,
                             const std::string& right, bool closesCell = false) {
    std::vector<std::string> row = {"  <tr>", "    <td width=\"200\"><font face=" + kFace + " size=\"2\">", label,
                                    "<font size=\"1\">"};
    Append(row, smallPrint);
    if (!closesCell) row.push_back("</font></font></td>");
    Append(row, {"    <td>" + right + "</td>", "  </tr>"});
    return row;
}

std::string Input(const std::string& type, const std::string& name) {
    return "<INPUT TYPE=\"" + type + "\" NAME=\"" + name + "\" SIZE=\"20\" MAXLENGTH=\"40\">";
}

const std::vector<std::string> kFormEnd = {"  <tr>",
                                           "    <td colspan=\"2\" align=\"center\">",
                                           "<input type=\"submit\" name=\"Submit\" value=\"Play The Pool !\">",
                                           "    </td>",
                                           "  </tr>",
                                           "    </table>",
                                           "    <br>",
                                           "</FORM>",
                                           "<br>"};

std::vector<std::string> LoginScreenContent(const std::vector<std::string>& afterTitle,
                                            const std::vector<std::string>& hidden) {
    std::vector<std::string> page = {
        "<!-- end header -->",
        "<!-- body content-->",
        "<center>",
        "<font face=" + kFace + " size=\"3\">",
        kTitle,
        "The Zarn Pool Online!<br>",
        "    Enter Your Email Address and Password and Select 'Play The Pool !'. </font></b></p>",
        "  <b>"};
    Append(page, afterTitle);
    page.push_back(kForm);
    Append(page, hidden);
    Append(page, {HiddenLine("ACTION", "LOGIN"), kTable});
    Append(page, Row("          <b>Email:</B><br>", {" Enter Your Email Address<br>"}, Input("TEXT", "NNAME")));
    Append(page, Row("          <b>Password:</B><br>",
                     {"Enter a password<br>", "           for this user.( See Help )"}, Input("PASSWORD", "PASS")));
    Append(page, kFormEnd);
    return page;
}

std::vector<std::string> NewUserContent(const std::string& email, const std::string& password) {
    std::vector<std::string> page = {
        "<!-- end header -->",
        "<!-- body content-->",
        "<!-- LoginANewUser -->",
        "<center>",
        kTitle,
        "The Zarn Pool Online!<br>",
        "    Please Also Enter Your Real Name</b><br><i>If You Entered Your Info in Error, Go Back To The Prior "
        "Screen</i></font></p>",
        kForm};
    Append(page, Credentials(email, password));
    Append(page, {HiddenLine("ACTION", "LOGINAPPROVE"), kTable});
    std::string small = "<font face=" + kFace + " size=\"1\">";
    Append(page, Row("          <b>Your Name:</B><br>", {" First and Last<br>"}, Input("TEXT", "USERREALNAME")));
    Append(page,
           Row("          <b>Email:</B><br>", {" Enter Your Email Address<br>"}, small + Scrambled(email) + "</font>"));
    Append(page, Row("          <b>Password:</B><br>",
                     {" Must be filled in to<br>", "          access any function. </font></font></td>"},
                     small + Scrambled(password) + "</font>", true));
    Append(page, kFormEnd);
    return page;
}

std::vector<std::string> StatusContent(const std::vector<std::string>& message) {
    std::vector<std::string> page = {"<center>",
                                     "<font face=" + kFace + " size=\"3\">",
                                     kTitle,
                                     "The Zarn Pool Online!<br>",
                                     "    Your Status</font></b></p>",
                                     "  <b>",
                                     kTable,
                                     "  <tr>",
                                     "    <td align=\"center\"><font face=" + kFace + " size=\"2\">"};
    Append(page, message);
    Append(page, {"</font></td>", "  </tr>", "    </table>", "    <br>", "<br>"});
    return page;
}

const std::vector<std::string> kMustBeApproved = [] {
    std::vector<std::string> page = {"<!-- NewUserMustBeApproved -->"};
    Append(page, StatusContent({"The administrator Will have to approve your access to the pool.  Please check back "
                                "later to see if access has been granted."}));
    return page;
}();

const std::vector<std::string> kNoNewUsers =
    StatusContent({"The administrator is not presently allowing new users into the Zarn Pool", ". Send an",
                   "        <a href=\"MAILTO:boss@x.com\">", "email</a> to see about gaining access."});

std::string Stamp(const std::string& users, int record) { return users.substr((record - 1) * 1695 + 140, 19); }

TEST(LoginFlow, FirstVisitShowsTheLoginScreen) {
    SeasonPool season;
    EXPECT_EQ(Content(season.pool.Get()), LoginScreenContent({}, {}));
}

TEST(LoginFlow, VeryFirstPlayerBecomesTheAdministrator) {
    Pool pool;
    EXPECT_EQ(pool.Login("Boss@X.com", "Pw").Hidden("ACTION"), "LOGINAPPROVE");
    // A blank real name is asked for again, and no user file is made.
    CgiAnswer again = pool.Act("LOGINAPPROVE", "Boss@X.com", "Pw", {{"USERREALNAME", "  "}});
    EXPECT_TRUE(again.HasLine("<!-- LoginANewUser -->"));
    EXPECT_EQ(again.Hidden("ACTION"), "LOGINAPPROVE");
    EXPECT_FALSE(pool.Exists("ZRPform_user.dat"));

    CgiAnswer menu = pool.Act("LOGINAPPROVE", "Boss@X.com", "Pw", {{"USERREALNAME", "Big Boss"}});
    std::string users = pool.Read("ZRPform_user.dat");
    EXPECT_TRUE(users == UserBytes("BOSS@X.COM", "PW", "BIG BOSS", "ADMINISTRATOR", Stamp(users, 1)));
    EXPECT_TRUE(menu.HasLine("Welcome! BIG BOSS<br>"));
    EXPECT_TRUE(menu.HasLine("          <b>Administrative Access</b><br>"));
    EXPECT_EQ(menu.Hidden("ACTION"), "");
    EXPECT_EQ(menu.Errors, "");
}

TEST(LoginFlow, KnownPlayerIsLetInWhateverTheCaseAndHisAccessStamped) {
    SeasonPool season;
    std::string before = season.Users();
    CgiAnswer menu = season.pool.Login("One@x.COM", "pw1");
    EXPECT_TRUE(menu.HasLine("Welcome! PLAYER ONE<br>"));
    // The request carries the stored password on.
    EXPECT_EQ(menu.Hidden("IAX"), Scrambled("PW1"));
    std::string after = season.Users();
    EXPECT_NE(Stamp(after, 2), kOldStamp);
    EXPECT_TRUE(std::regex_match(Stamp(after, 2), std::regex(R"(\d\d-\d\d-\d{4} \d\d:\d\d:\d\d)")));
    EXPECT_TRUE(after == before.substr(0, 1695) + UserBytes("ONE@X.COM", "PW1", "PLAYER ONE", "USER", Stamp(after, 2)));
}

TEST(LoginFlow, WrongPasswordShowsTheLoginScreenAgainAndIsLoggedTwice) {
    SeasonPool season;
    std::string before = season.Users();
    CgiAnswer page = season.pool.Login("one@x.com", "nope");
    EXPECT_EQ(Content(page), LoginScreenContent({"<font face=" + kFace + " size=\"2\" color=\"#FF0000\">",
                                                 "<i>Error : Incorrect Password</i><br></font>"},
                                                Credentials("one@x.com", "nope")));
    std::string log = season.pool.Read("zrp.log");
    ASSERT_EQ(log.size(), 240u);
    EXPECT_NE(log.substr(0, 120).find(", Action=LOGIN "), std::string::npos);
    EXPECT_NE(log.substr(120).find(", Action=PASSWORD ERROR "), std::string::npos);
    EXPECT_TRUE(season.Users() == before);
}

TEST(LoginFlow, NewPlayerUnderAllowAllIsAddedAsAnOrdinaryPlayer) {
    SeasonPool season;
    EXPECT_EQ(Content(season.pool.Login("new@x.com", "np")), NewUserContent("new@x.com", "np"));
    CgiAnswer menu = season.pool.Act("LOGINAPPROVE", "new@x.com", "np", {{"USERREALNAME", " New Guy "}});
    EXPECT_TRUE(menu.HasLine("Welcome! NEW GUY<br>"));
    std::string users = season.Users();
    ASSERT_EQ(users.size(), 3u * 1695);
    EXPECT_TRUE(users.substr(2 * 1695) == UserBytes("NEW@X.COM", "NP", "NEW GUY", "USER", Stamp(users, 3)));
    EXPECT_TRUE(season.pool.Login("new@x.com", "np").HasLine("Welcome! NEW GUY<br>"));
}

TEST(LoginFlow, NewPlayerUnderApproveWaitsUntilApproved) {
    SeasonPool season;
    season.pool.Write("ZRP__NewUserStatus.txt", "APPROVE\r\n");
    EXPECT_EQ(Content(season.pool.Join("new@x.com", "np", "New Guy")), kMustBeApproved);
    std::string users = season.Users();
    EXPECT_TRUE(users.substr(2 * 1695) == UserBytes("NEW@X.COM", "NP", "NEW GUY", "PENDING", Stamp(users, 3)));

    EXPECT_EQ(Content(season.pool.Login("new@x.com", "np")), kMustBeApproved);
    // A hand-made NEWUSER field does not let the pending player in.
    CgiAnswer crafted = season.pool.Act("THISWEEK", "new@x.com", "np", {{"NEWUSER", "ALLOWALL"}});
    EXPECT_EQ(Content(crafted), kMustBeApproved);
    EXPECT_TRUE(season.Users() == users);
}

TEST(LoginFlow, CraftedAllowAllLetsNobodyInUnderApproveOrBlockAll) {
    for (const char* policy : {"APPROVE\r\n", "BLOCKALL\r\n"}) {
        SeasonPool season;
        season.pool.Write("ZRP__NewUserStatus.txt", policy);
        std::string users = season.Users();
        for (const char* action : {"THISWEEK", "LOGIN", "LOGINAPPROVE"}) {
            CgiAnswer page =
                season.pool.Act(action, "new@x.com", "np", {{"NEWUSER", "ALLOWALL"}, {"USERREALNAME", "Sneaky"}});
            EXPECT_FALSE(page.HasLine("<!-- MainMenu -->")) << policy << action;
        }
        // Only the real-name form under APPROVE records the player, and then
        // as waiting for approval.
        std::string after = season.Users();
        std::string expected = users;
        if (policy[0] == 'A') expected += UserBytes("NEW@X.COM", "NP", "SNEAKY", "PENDING", Stamp(after, 3));
        EXPECT_TRUE(after == expected) << policy;
    }
}

TEST(LoginFlow, CraftedAllowAllBeforeAnyoneJoinedLetsNobodyIn) {
    Pool pool;
    CgiAnswer page = pool.Act("LOGIN", "new@x.com", "np", {{"NEWUSER", "ALLOWALL"}, {"USERREALNAME", "Sneaky"}});
    EXPECT_FALSE(page.HasLine("<!-- MainMenu -->"));
    EXPECT_FALSE(pool.Exists("ZRPform_user.dat"));
}

TEST(LoginFlow, BlockAllTurnsNewPlayersAwayButNotKnownOnes) {
    SeasonPool season;
    season.pool.Write("ZRP__NewUserStatus.txt", "BLOCKALL\r\n");
    std::string users = season.Users();
    EXPECT_EQ(Content(season.pool.Login("new@x.com", "np")), kNoNewUsers);
    EXPECT_EQ(Content(season.pool.Act("LOGINAPPROVE", "new@x.com", "np", {{"USERREALNAME", "New"}})), kNoNewUsers);
    EXPECT_TRUE(season.Users() == users);
    EXPECT_TRUE(season.pool.Login("one@x.com", "pw1").HasLine("Welcome! PLAYER ONE<br>"));
}

TEST(LoginFlow, BlankEmailOrPasswordGivesTheNotListedPageShownSafely) {
    SeasonPool season;
    auto page = [](const std::string& email, const std::string& password) {
        return std::vector<std::string>{
            "<br><br>",
            "<div align=\"center\"><font face=" + kFace + " size=\"3\">",
            "Your Email Address and Password is not listed for access.<br><br>",
            "<i>Did You Make An Error ? Is your Email Address or Password Missing?</i><br><br>",
            "Please contact your administrator for access to the program.<br><br>",
            "<b>Email Address Submitted : " + email + "<br><br>",
            "Password Submitted : " + password + "<br></b>",
            "<br><br><a href=\"http://pool.test/cgi-bin/zrp.exe\">Re-Enter Information</a><br>",
            "</font></div>",
            "<br><br>",
            "</BODY></HTML>"};
    };
    CgiAnswer typed = season.pool.Post({{"ACTION", "LOGIN"}, {"NNAME", "a<b@x"}, {"PASS", " "}});
    EXPECT_EQ(Content(typed), page("a&#60;b@x", " "));
    EXPECT_EQ(typed.ExitStatus, 0);
    EXPECT_EQ(typed.Errors, "");
    CgiAnswer hidden = season.pool.Post({{"ACTION", "THISWEEK"}, {"XAI", "<i>x"}, {"IAX", ""}});
    EXPECT_EQ(Content(hidden), page("&#60;i&#62;x", ""));
    EXPECT_EQ(Content(season.pool.Post({{"ACTION", "ADMIN"}, {"XAI", ""}, {"IAX", "p\"<"}})), page("", "p&#34;&#60;"));
}

}  // namespace
