#include <gtest/gtest.h>

#include "users/users_pool.h"

namespace {

std::string Checked(const std::string& name, const std::string& value) {
    return "          <INPUT TYPE=\"RADIO\" NAME=\"" + name + "\" VALUE=\"" + value + "\" checked>";
}

// The one radio button of each choice that the page checks.
void ExpectChecked(const CgiAnswer& page, const std::string& admission, const std::string& picks) {
    for (const char* value : {"ALLOWALL", "APPROVE", "BLOCKALL"})
        EXPECT_EQ(page.HasLine(Checked("NEWUSER", value)), value == admission) << value;
    EXPECT_TRUE(page.HasLine(Checked("PICKSPOLICY", picks)));
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
        ExpectChecked(pool.Admin("NEWUSER"), shown, "FINAL");
    }
    CgiAnswer menu = pool.Admin("SETUSERSTATUS", {{"NEWUSER", "APPROVE"}, {"PICKSPOLICY", "CHANGE"}});
    EXPECT_TRUE(menu.HasLine(MenuLine("CHANGE")));
    ExpectChecked(pool.Admin("NEWUSER"), "APPROVE", "CHANGE");
    pool.Admin("SETUSERSTATUS", {{"NEWUSER", "BLOCKALL"}});
    EXPECT_EQ(pool.Read("ZRP__NewUserStatus.txt") + pool.Read("ZRP__PicksPolicy.txt"), "BLOCKALL\r\nCHANGE\r\n");
}

}  // namespace
