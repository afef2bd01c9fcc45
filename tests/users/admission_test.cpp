#include <gtest/gtest.h>

#include "users/users_pool.h"

namespace {

// The radio buttons of one choice, the stored value checked.
Lines Radios(const std::string& name, std::initializer_list<const char*> values, const std::string& stored) {
    Lines lines;
    for (const char* value : values)
        lines.push_back("          <INPUT TYPE=\"RADIO\" NAME=\"" + name + "\" VALUE=\"" + value + "\"" +
                        (value == stored ? " checked>" : ">"));
    return lines;
}

Lines PolicyPage(const std::string& admission, const std::string& picks) {
    Lines page = Radios("NEWUSER", {"ALLOWALL", "APPROVE", "BLOCKALL"}, admission),
          choices = Radios("PICKSPOLICY", {"FINAL", "CHANGE"}, picks);
    page.insert(page.end(), choices.begin(), choices.end());
    page.push_back(R"(<INPUT TYPE="HIDDEN" NAME="ACTION" Value="SETUSERSTATUS">)");
    page.push_back("     <td> <b><div align=center><font face=" + kFace +
                   " size=\"2\">Saved Picks Are Final        </font></div></b></td><td><div align=left>");
    return page;
}

std::string MenuLine(const std::string& word) { return "<font color=\"#CCCCCC\">XX</font><b>PICKS " + word + "</b><br>"; }

// One page sets who may join and whether saved picks are final: it checks
// the stored choices (ALLOWALL and FINAL when none is stored, no admission
// when it is unknown), stores the ones sent (a form without the picks policy
// keeps the stored one), and the administrator's menu names the picks policy.
TEST(Admission, PolicyPageShowsAndStoresBothPolicies) {
    SeasonPool pool;
    for (auto [stored, shown] : {std::pair{"", "ALLOWALL"}, {" approve \r\n", "APPROVE"}, {"SOMETIMES\r\n", ""}}) {
        if (*stored) pool.Write("ZRP__NewUserStatus.txt", stored);
        EXPECT_EQ(Missing(pool.Admin("NEWUSER"), PolicyPage(shown, "FINAL")), Lines{}) << stored;
    }
    EXPECT_TRUE(pool.Admin("ADMIN").HasLine(MenuLine("FINAL")));
    CgiAnswer menu = pool.Admin("SETUSERSTATUS", {{"NEWUSER", "APPROVE"}, {"PICKSPOLICY", "CHANGE"}});
    EXPECT_TRUE(menu.HasLine(MenuLine("CHANGE")));
    EXPECT_EQ(Missing(pool.Admin("NEWUSER"), PolicyPage("APPROVE", "CHANGE")), Lines{});
    pool.Admin("SETUSERSTATUS", {{"NEWUSER", "BLOCKALL"}});
    EXPECT_EQ(pool.Read("ZRP__NewUserStatus.txt") + pool.Read("ZRP__PicksPolicy.txt"), "BLOCKALL\r\nCHANGE\r\n");
}

}  // namespace
