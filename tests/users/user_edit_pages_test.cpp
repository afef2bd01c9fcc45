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
}
