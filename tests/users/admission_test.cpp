#include <gtest/gtest.h>

#include "users/users_pool.h"

namespace {

Lines PolicyPage(const std::string& stored) {
    Lines page = {R"(<INPUT TYPE="HIDDEN" NAME="ACTION" Value="SETUSERSTATUS">)",
                  R"(<input type="submit" name="Submit" value="Enter New User Status">)"};
    for (const char* value : {"ALLOWALL", "APPROVE", "BLOCKALL"})
        page.push_back("          <INPUT TYPE=\"RADIO\" NAME=\"NEWUSER\" VALUE=\"" + std::string(value) + "\"" +
                       (value == stored ? " checked>" : ">"));
    return page;
}

// The policy page checks the stored policy (ALLOWALL when none is stored,
// none when it is unknown) and the one sent is stored.
TEST(Admission, PolicyPageSelectsTheStoredPolicyAndStoresTheOneSent) {
    SeasonPool pool;
    for (auto [stored, shown] : {std::pair{"", "ALLOWALL"}, {" approve \r\n", "APPROVE"}, {"SOMETIMES\r\n", ""}}) {
        if (*stored) pool.Write("ZRP__NewUserStatus.txt", stored);
        EXPECT_EQ(Missing(pool.Admin("NEWUSER"), PolicyPage(shown)), Lines{}) << stored;
    }
    pool.Admin("SETUSERSTATUS", {{"NEWUSER", "BLOCKALL"}});
    EXPECT_EQ(pool.Read("ZRP__NewUserStatus.txt"), "BLOCKALL\r\n");
}

}  // namespace
