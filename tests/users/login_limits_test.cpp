#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "core/files.h"
#include "core/text.h"
#include "users/users_pool.h"

namespace {

const std::string kWrongPasswords = "ZRP__WrongPasswords.txt";
const std::string kLockedAccounts = "ZRP__LockedAccounts.txt";
const std::string kRegistrations = "ZRP__Registrations.txt";
const std::string kPlays = "<br><i>Make Your Selections!</i><br>";

long long Now() { return std::time(nullptr); }

// count lines "when key" of a limits file; numbered, the keys end in 0, 1, 2...
std::string Entries(int count, long long when, const std::string& key, bool numbered = false) {
    std::string lines;
    for (int i = 0; i < count; ++i) lines += NumText(when) + " " + key + (numbered ? NumText(i) : "") + "\r\n";
    return lines;
}

// The file as the program finds it that many seconds later: its times moved back.
void Age(const Pool& pool, const std::string& name, long long seconds) {
    std::string aged;
    for (const std::string& line : ReadTextLines(pool.PathOf(name))) {
        size_t space = line.find(' ');
        aged += NumText(std::stoll(line.substr(0, space)) - seconds) + line.substr(space) + "\r\n";
    }
    pool.Write(name, aged);
}

bool IsWaitPage(const CgiAnswer& page, const std::string& line) {
    return page.HasLine(line) && page.HasLine("</BODY></HTML>") && !page.HasLine("<!-- MainMenu -->");
}

std::string AccountWait(const std::string& wait) {
    return "Too many wrong passwords for this account. Please wait " + wait + " and try again.";
}

bool IsWrongPasswordPage(const CgiAnswer& page) { return page.HasLine("<i>Error : Incorrect Password</i><br></font>"); }

}  // namespace

// Ten wrong passwords for one account in 15 minutes lock that account, from
// every address and with its own password too, for 15 minutes from the
// tenth; another player at the guesser's address plays on all along.
TEST(LoginLimits, WrongPasswordsLockTheAccountForFifteenMinutesNotTheAddress) {
    SeasonPool pool;
    pool.Env["REMOTE_ADDR"] = "10.0.0.9";
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(IsWrongPasswordPage(pool.Login(" Ann@Pool.test", "guess"))) << i;
    std::string events = pool.Read(kWrongPasswords);
    EXPECT_EQ(CrLfLines(events).size(), 10u);
    EXPECT_TRUE(pool.Login(kBoss, "secret").HasLine("<!-- MainMenu -->"));
    EXPECT_TRUE(pool.Act("THISWEEK", kBoss, "secret").HasLine(kPlays));
    pool.Env["REMOTE_ADDR"] = "10.0.0.8";
    for (const char* password : {"pw1", "guess"})
        EXPECT_TRUE(IsWaitPage(pool.Login(kAnn, password), AccountWait("15 minutes"))) << password;
    EXPECT_TRUE(IsWaitPage(pool.Act("THISWEEK", kAnn, "pw1"), AccountWait("15 minutes")));
    // A locked account's guesses are not counted: they learn nothing.
    EXPECT_EQ(pool.Read(kWrongPasswords), events);

    // 14 minutes and a half later, then 15 minutes after the tenth.
    auto later = [&pool](long long seconds) {
        Age(pool, kLockedAccounts, seconds);
        Age(pool, kWrongPasswords, seconds);
    };
    later(870);
    EXPECT_TRUE(IsWaitPage(pool.Login(kAnn, "pw1"), AccountWait("1 minute")));
    later(30);
    EXPECT_TRUE(pool.Act("THISWEEK", kAnn, "pw1").HasLine(kPlays));
    // The old wrong passwords have left the window: one more locks nothing.
    EXPECT_TRUE(IsWrongPasswordPage(pool.Login(kAnn, "guess")));
    EXPECT_TRUE(pool.Login(kAnn, "pw1").HasLine("<!-- MainMenu -->"));

    // Unknown addresses have no password to guess: they leave no state a
    // stranger could fill, nor a lock waiting for their owner.
    std::filesystem::remove(pool.PathOf(kWrongPasswords));
    for (int i = 0; i < 12; ++i) pool.Login("dan@pool.test", "guess" + NumText(i));
    EXPECT_FALSE(pool.Exists(kWrongPasswords));
    EXPECT_TRUE(pool.Join("dan@pool.test", "pw", "Dan Wu").HasLine("<!-- MainMenu -->"));
}

// An address registers at most 100 players an hour, the pool at most 300
// however many addresses they come from; the wait named
// is until the oldest counted registration is an hour old. The
// administrator's own additions are never limited nor counted.
TEST(LoginLimits, RegistrationsAreLimitedPerAddressAndPerPoolButNotTheAdministrators) {
    AdminPool pool;
    long long now = Now();
    pool.Write(kRegistrations, Entries(1, now - 3600, "10.0.0.9") + Entries(99, now - 3000, "10.0.0.9"));
    pool.Env["REMOTE_ADDR"] = "10.0.0.9";
    EXPECT_TRUE(pool.Join("ann@pool.test", "pw", "Ann Lee").HasLine("<!-- MainMenu -->"));
    std::string users = pool.Read("ZRPform_user.dat");
    const std::string addressWait = "Too many tries from your address. Please wait 10 minutes and try again.";
    EXPECT_TRUE(IsWaitPage(pool.Join("bob@pool.test", "pw", "Bob Roe"), addressWait));
    EXPECT_TRUE(pool.Read("ZRPform_user.dat") == users);
    EXPECT_EQ(ReadTextLines(pool.PathOf(kRegistrations)).size(), 101u);

    // Rotating addresses: 295 registrations of the last hour from as many
    // addresses leave room for 5 more, wherever from.
    pool.Admin("SETUSERSTATUS", {{"NEWUSER", "ALLOWALL"}});
    pool.Write(kRegistrations, Entries(295, now - 1200, "10.1.0.", true));
    for (int i = 0; i < 5; ++i) {
        pool.Env["REMOTE_ADDR"] = "10.2.0." + NumText(i);
        EXPECT_TRUE(pool.Join("p" + NumText(i) + "@pool.test", "pw", "P " + NumText(i)).HasLine("<!-- MainMenu -->"));
    }
    users = pool.Read("ZRPform_user.dat");
    pool.Env["REMOTE_ADDR"] = "10.3.0.1";
    EXPECT_TRUE(IsWaitPage(pool.Join("late@pool.test", "pw", "Late Comer"),
                           "Too many new players in the last hour. Please wait 40 minutes and try again."));
    EXPECT_TRUE(pool.Read("ZRPform_user.dat") == users);
    std::string registrations = pool.Read(kRegistrations);
    EXPECT_TRUE(pool.AddUser("late@pool.test", "Late Comer", "pw").HasLine("Database Has Been Updated.<br><br>"));
    EXPECT_EQ(pool.Read(kRegistrations), registrations);
}

// A limits file keeps at most 4000 lines: the one that would pass that
// keeps its newest half.
TEST(LoginLimits, TheStateStaysBoundedDroppingTheOldestFirst) {
    SeasonPool pool;
    pool.Write(kWrongPasswords, Entries(4000, Now() - 60, "X", true));
    EXPECT_TRUE(IsWrongPasswordPage(pool.Login(kAnn, "guess")));
    std::vector<std::string> events = ReadTextLines(pool.PathOf(kWrongPasswords));
    EXPECT_TRUE(events.size() == 2001u && events[0].ends_with(" X2000")) << events.size();
}
