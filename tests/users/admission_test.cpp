#include <gtest/gtest.h>

#include "users/users_fixture.h"

namespace {

std::vector<std::string> Radio(const std::string& value, const std::string& stored) {
    return {"          <INPUT TYPE=\"RADIO\" NAME=\"NEWUSER\" VALUE=\"" + value + "\"" +
            (value == stored ? " checked>" : ">")};
}

std::vector<std::string> PolicyPage(const std::string& stored) {
    std::string font = "<font face=" + kFace + " size=\"2\">";
    std::vector<std::string> page = {"<center>",
                                     "<font face=" + kFace + " size=\"3\" color=\"#990000\">",
                                     "<br><i><b>New User Status </b></i><br><br>",
                                     "</font>",
                                     "<!-- PickNewUserStatus -->",
                                     kForm,
                                     HiddenLine("ACTION", "SETUSERSTATUS")};
    Append(page, Credentials("boss@x.com", "BOSSPW"));
    Append(page, {"<table width=\"300\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\" align=\"center\">", "   <tr>",
                  "     <td> <b><div align=center>" + font +
                      "Allow All New Users        </font></div></b></td><td><div align=left>"});
    Append(page, Radio("ALLOWALL", stored));
    Append(page, {"</div></td></tr>", "  <tr><td><div align=center> <b>" + font +
                                          "New User Must Be Approved </font></b></div></td><td><div align=left>"});
    Append(page, Radio("APPROVE", stored));
    Append(page, {"</div></td></tr>", "   <tr><td><div align=center> <b>" + font +
                                          "New User Must Be In Database        </font></b></div></td><td><div "
                                          "align=left>"});
    Append(page, Radio("BLOCKALL", stored));
    Append(page,
           {"</div></td>", "   </tr>", " </table>", "<br>",
            "<input type=\"submit\" name=\"Submit\" value=\"Enter New User Status\">", "</form>", kForm,
            HiddenLine("ACTION", "ADMIN"), HiddenLine("XAI", Scrambled("boss@x.com")),
            HiddenLine("IAX", Scrambled("BOSSPW")),
            "<INPUT TYPE=\"image\" SRC=\"ZRPFmainmenu.gif\" ALT=\"Return to Main Menu\">", "</form>", "</center>"});
    return page;
}

TEST(Admission, PolicyPageSelectsTheStoredPolicy) {
    SeasonPool season;
    EXPECT_EQ(Content(season.pool.Act("NEWUSER", "boss@x.com", "bosspw")), PolicyPage("ALLOWALL"));
    season.pool.Write("ZRP__NewUserStatus.txt", " approve \r\n");
    EXPECT_EQ(Content(season.pool.Act("NEWUSER", "boss@x.com", "bosspw")), PolicyPage("APPROVE"));
    season.pool.Write("ZRP__NewUserStatus.txt", "SOMETIMES\r\n");
    EXPECT_EQ(Content(season.pool.Act("NEWUSER", "boss@x.com", "bosspw")), PolicyPage(""));
}

TEST(Admission, AdministratorStoresThePolicyAsSent) {
    SeasonPool season;
    season.pool.Act("SETUSERSTATUS", "boss@x.com", "bosspw", {{"NEWUSER", "BLOCKALL"}});
    EXPECT_EQ(season.pool.Read("ZRP__NewUserStatus.txt"), "BLOCKALL\r\n");
    season.pool.Act("setuserstatus", "boss@x.com", "bosspw");
    EXPECT_EQ(season.pool.Read("ZRP__NewUserStatus.txt"), "\r\n");
}

TEST(Admission, OrdinaryPlayerPostingAdministratorsActionsChangesNothing) {
    SeasonPool season;
    season.pool.Login("one@x.com", "pw1");
    std::string users = season.Users();
    std::vector<std::string> files = season.pool.Files();
    Fields user = {{"USEREMAIL", "me@x.com"},       {"USERPASSWORD", "x"},   {"USERREALNAME", "Me"},
                   {"USERSTATUS", "ADMINISTRATOR"}, {"NEWUSER", "BLOCKALL"}, {"LINENUMBER", "2"}};
    for (const char* action : {"ADDUSER", "SETUSERSTATUS", " adminupdate ", "NEWUSER", "ADMIN"}) {
        CgiAnswer page = season.pool.Act(action, "one@x.com", "pw1", user);
        EXPECT_TRUE(page.HasLine("Welcome! PLAYER ONE<br>")) << action;
        EXPECT_EQ(page.Hidden("ACTION"), "") << action;
        EXPECT_FALSE(page.HasLine("<br><hr>")) << action;
        EXPECT_TRUE(season.Users() == users) << action;
        EXPECT_EQ(season.pool.Files(), files) << action;
    }
}

}  // namespace
