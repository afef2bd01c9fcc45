#include <gtest/gtest.h>

#include <ctime>

#include "core/files.h"
#include "core/text.h"
#include "users/users_pool.h"

namespace {

const std::string kState = "ZRP__AddressLimits.txt";

std::string Events(const std::string& kind, int count, long long when, const std::string& address) {
    std::string lines;
    for (int i = 0; i < count; ++i) lines += kind + " " + NumText(when) + " " + address + "\r\n";
    return lines;
}

bool IsWaitPage(const CgiAnswer& page, const std::string& minutes) {
    return page.HasLine("Too many tries from your address. Please wait " + minutes + " minutes and try again.") &&
           page.HasLine("</BODY></HTML>") && !page.HasLine("<!-- MainMenu -->");
}

}  // namespace

// The 50th wrong password in 15 minutes is the last one answered: past it
// every login from that address, right or wrong, gets the wait page, while
// other addresses play on; expired events leave the file as it is written.
// Registrations likewise wait past the 100th in an hour.
TEST(AddressLimits, TooManyWrongPasswordsOrRegistrationsFromOneAddressMakeItWait) {
    AdminPool pool;
    long long now = std::time(nullptr);
    pool.Write(kState, Events("PASSWORD", 49, now - 60, "10.0.0.9") + Events("PASSWORD", 5, now - 900, "10.0.0.9") +
                           Events("REGISTER", 1, now - 3600, "10.0.0.7") + Events("PASSWORD", 1, now, "10.0.0.8"));
    pool.Env["REMOTE_ADDR"] = "10.0.0.9";
    EXPECT_TRUE(pool.Login(kBoss, "wrong").HasLine("<i>Error : Incorrect Password</i><br></font>"));
    std::vector<std::string> state = ReadTextLines(pool.PathOf(kState));
    ASSERT_EQ(state.size(), 51u);
    EXPECT_EQ(state[49], "PASSWORD " + NumText(now) + " 10.0.0.8");
    EXPECT_TRUE(StartsWith(state[50], "PASSWORD ") && Contains(state[50], " 10.0.0.9"));
    EXPECT_TRUE(IsWaitPage(pool.Login(kBoss, "wrong"), "15"));
    EXPECT_TRUE(IsWaitPage(pool.Login(kBoss, "secret"), "15"));
    EXPECT_EQ(pool.Read(kState), JoinTextLines(state));
    pool.Env["REMOTE_ADDR"] = "10.0.0.8";
    EXPECT_TRUE(pool.Login(kBoss, "secret").HasLine("<!-- MainMenu -->"));
    pool.Write(kState, Events("PASSWORD", 50, now - 900, "10.0.0.9"));
    pool.Env["REMOTE_ADDR"] = "10.0.0.9";
    EXPECT_TRUE(pool.Login(kBoss, "secret").HasLine("<!-- MainMenu -->"));

    // The 100th registration in an hour is the last one stored, whichever way a
    // newcomer joins; past it nothing is added to the user file.
    pool.Write(kState, Events("REGISTER", 99, now - 3000, "10.0.0.9"));
    EXPECT_TRUE(pool.Join("ann@pool.test", "pw", "Ann Lee").HasLine("<!-- MainMenu -->"));
    std::string users = pool.Read("ZRPform_user.dat");
    EXPECT_EQ(users.size(), 2 * kUserRecordLength);
    EXPECT_TRUE(IsWaitPage(pool.Join("bob@pool.test", "pw", "Bob Roe"), "60"));
    pool.Admin("SETUSERSTATUS", {{"NEWUSER", "APPROVE"}});
    EXPECT_TRUE(IsWaitPage(pool.Join("cy@pool.test", "pw", "Cy Poe"), "60"));
    EXPECT_EQ(pool.Read("ZRPform_user.dat"), users);
    EXPECT_EQ(ReadTextLines(pool.PathOf(kState)).size(), 100u);
    pool.Env["REMOTE_ADDR"] = "10.0.0.8";
    pool.Join("cy@pool.test", "pw", "Cy Poe");
    EXPECT_EQ(pool.Read("ZRPform_user.dat").size(), 3 * kUserRecordLength);
    EXPECT_EQ(ReadTextLines(pool.PathOf(kState)).size(), 101u);
}
