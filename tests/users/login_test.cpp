#include <gtest/gtest.h>

#include <regex>

#include "core/fixed_width.h"
#include "core/text.h"
#include "users/users_pool.h"

namespace {

const Lines kLoginScreen = {R"(<INPUT TYPE="HIDDEN" NAME="ACTION" Value="LOGIN">)"};
const Lines kPasswordError = {"<font face=" + kFace + R"( size="2" color="#FF0000">)",
                              "<i>Error : Incorrect Password</i><br></font>"};
const Lines kMustBeApproved = {"<!-- NewUserMustBeApproved -->"};
const Lines kNoNewUsers = {"The administrator is not presently allowing new users into the Zarn Pool"};
const std::string kTakenName = "<i>Error : Another Player Already Has This Real Name</i><br></font>";
const Fields kCrafted = {{"NEWUSER", "ALLOWALL"}, {"USERREALNAME", "Sneaky"}};

Lines RealNamePage(const std::string& email, const std::string& password) {
    std::string shown = "    <td><font face=" + kFace + " size=\"1\">";
    return {"<!-- LoginANewUser -->", R"(<INPUT TYPE="HIDDEN" NAME="ACTION" Value="LOGINAPPROVE">)",
            R"(    <td><INPUT TYPE="TEXT" NAME="USERREALNAME" SIZE="20" MAXLENGTH="40"></td>)",
            shown + Scrambled(email) + "</font></td>", shown + Scrambled(password) + "</font></td>"};
}

// Before anyone joined, the first player to give a real name becomes the
// administrator; nothing lets anyone in sooner.
TEST(Login, VeryFirstPlayerBecomesTheAdministratorOnceHeGivesAName) {
    Pool pool;
    EXPECT_EQ(Missing(pool.Get(), kLoginScreen), Lines{});
    // Before anyone joined a hand-made NEWUSER=ALLOWALL lets nobody in.
    for (const char* action : {"THISWEEK", "LOGIN"})
        EXPECT_FALSE(pool.Act(action, "new@x.com", "np", kCrafted).HasLine("<!-- MainMenu -->")) << action;
    EXPECT_EQ(Missing(pool.Login("Boss@X.com", "Pw"), RealNamePage("Boss@X.com", "Pw")), Lines{});
    EXPECT_TRUE(pool.Join("Boss@X.com", "Pw", "Big Boss").HasLine("Welcome! BIG BOSS<br>"));
    std::string users = pool.Read("ZRPform_user.dat");
    EXPECT_TRUE(users == Bytes("BOSS@X.COM", "PW", "BIG BOSS", "ADMINISTRATOR", StampOf(users, 1)));
}

// A wrong password is shown and changes nothing; the right one, in any case,
// lets the player in and stores his last access. Addresses are kept escaped.
TEST(Login, KnownPlayerIsLetInByHisEscapedAddressWithTheRightPasswordAndStamped) {
    SeasonPool pool;
    std::string users = pool.UserFile();
    CgiAnswer page = pool.Login(kAnn, "nope");
    EXPECT_EQ(Missing(page, kLoginScreen), Lines{});
    EXPECT_EQ(Missing(page, kPasswordError), Lines{});
    EXPECT_TRUE(pool.UserFile() == users);

    CgiAnswer menu = pool.Login("Ann@pool.TEST", "pw1");
    EXPECT_TRUE(menu.HasLine("Welcome! ANN LEE<br>") && !menu.HasLine(kPasswordError[1]));
    EXPECT_EQ(menu.Hidden("IAX"), Scrambled("PW1"));  // the stored password goes on
    std::string after = pool.UserFile();
    EXPECT_NE(StampOf(after, 2), kStamp);
    EXPECT_TRUE(std::regex_match(StampOf(after, 2), std::regex(R"(\d\d-\d\d-\d{4} \d\d:\d\d:\d\d)")));
    EXPECT_TRUE(after == users.substr(0, 1695) + Bytes("ANN@POOL.TEST", "PW1", "ANN LEE", "USER", StampOf(after, 2)));
    // Hand-made hidden fields cannot plant markup in the user file; an address
    // whose escaped form is longer than the record's 40 characters is kept cut,
    // and the player is still found by it.
    pool.Act("LOGINAPPROVE", "<img src=x>@x.test", "p\"w", {{"USERREALNAME", "Eve"}});
    EXPECT_EQ(pool.UserFile().substr(2 * 1695, 40), FixedWidth("&#60;IMG SRC&#61;X&#62;@X.TEST", 40));
    for (const std::string& line : pool.Admin("VIEWPLAYERS").Lines()) EXPECT_FALSE(Contains(line, "<img src=x>"));
    const std::string email = "jonathan.smithers+pool@bigcompany.com", password = "a+b+c+d+e+f+g+h+i";
    EXPECT_TRUE(pool.Join(email, password, "Jon Smithers").HasLine("Welcome! JON SMITHERS<br>"));
    EXPECT_EQ(pool.UserFile().substr(3 * 1695, 40), "JONATHAN.SMITHERS&#43;POOL@BIGCOMPANY.CO");
    EXPECT_TRUE(pool.Login(email, password).HasLine("Welcome! JON SMITHERS<br>"));
    EXPECT_TRUE(pool.Login(email, "a+b+c").HasLine(kPasswordError[1]));
}

// A new player is recorded only through the real-name form, as the stored
// policy says: a hand-made NEWUSER=ALLOWALL lets nobody in under APPROVE or
// BLOCKALL, a blank real name is asked for again and one that a player has
// (in any case, blanks around) is refused until he gives his own.
TEST(Login, NewPlayersFollowTheStoredPolicyWhateverTheRequestSays) {
    for (auto [policy, refusal, status] : {std::tuple{"ALLOWALL", Lines{}, "USER"},
                                           {"APPROVE", kMustBeApproved, "PENDING"}, {"BLOCKALL", kNoNewUsers, ""}}) {
        SeasonPool pool;
        pool.Write("ZRP__NewUserStatus.txt", policy + std::string("\r\n"));
        std::string users = pool.UserFile();
        Lines asked = *status ? RealNamePage("new@x.com", "np") : refusal;
        EXPECT_EQ(Missing(pool.Login("new@x.com", "np"), asked), Lines{}) << policy;
        EXPECT_EQ(Missing(pool.Act("LOGINAPPROVE", "new@x.com", "np", {{"USERREALNAME", " "}}), asked), Lines{});
        Lines taken = *status ? Lines{asked[0], asked[1], kPasswordError[0], kTakenName} : refusal;
        EXPECT_EQ(Missing(pool.Act("LOGINAPPROVE", "new@x.com", "np", {{"USERREALNAME", " ann Lee "}}), taken), Lines{});
        pool.Act("THISWEEK", "new@x.com", "np", {{"NEWUSER", "ALLOWALL"}, {"USERREALNAME", "ann lee"}});
        EXPECT_TRUE(pool.UserFile() == users) << policy;
        for (auto [action, fields] : {std::pair{"LOGINAPPROVE", Fields{{"USERREALNAME", " Sneaky "}}},
                                      {"LOGINAPPROVE", kCrafted}, {"THISWEEK", kCrafted}, {"LOGIN", kCrafted}})
            EXPECT_EQ(Missing(pool.Act(action, "new@x.com", "np", fields), refusal), Lines{}) << policy << action;
        std::string after = pool.UserFile();
        EXPECT_TRUE(after == users + (*status ? Bytes("NEW@X.COM", "NP", "SNEAKY", status, StampOf(after, 3)) : ""));
        EXPECT_EQ(pool.Login("new@x.com", "np").HasLine("Welcome! SNEAKY<br>"), policy == std::string("ALLOWALL"));
        EXPECT_TRUE(pool.Login(kAnn, "pw1").HasLine("Welcome! ANN LEE<br>")) << policy;
    }
}

}  // namespace
