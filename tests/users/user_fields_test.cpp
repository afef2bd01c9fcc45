#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/fixed_width.h"
#include "users/users_pool.h"

namespace {

const std::string kCopy = "ZRP__UserFields.dat";
const std::string kUsers = "ZRPform_user.dat";

std::string Email(int n) { return "p" + std::to_string(n) + "@pool.test"; }
std::string Password(int n) { return "pw" + std::to_string(n); }
std::string Welcome(const std::string& name) { return "Welcome! " + name + "<br>"; }

// BIG BOSS, ANN LEE, then PLAYER 3 ... PLAYER 30.
struct ListPool : SeasonPool {
    ListPool() {
        std::vector<std::string> users = {"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR",
                                          "ANN@POOL.TEST/ANN LEE/PW1/USER"};
        for (int n = 3; n <= 30; ++n)
            users.push_back(Email(n) + "/PLAYER " + std::to_string(n) + "/" + Password(n) + "/USER");
        WriteUsers(users);
    }
    // Both lists, less the hidden AIX and AAX drawn anew on each page.
    Lines Lists() const {
        Lines lines = Act("VIEWPLAYERS", kAnn, "pw1").Lines(), database = Admin("VIEWUSERS").Lines();
        lines.insert(lines.end(), database.begin(), database.end());
        std::erase_if(lines, [](const std::string& line) { return line.starts_with(R"(<INPUT TYPE="HIDDEN" NAME="A)"); });
        return lines;
    }
    // The lists read through the copy equal those read from the user file
    // alone.
    void ExpectSameListsWithAndWithoutCopy(const std::string& when) const {
        Lines copied = Lists();
        ASSERT_TRUE(Exists(kCopy)) << when;
        std::filesystem::remove(PathOf(kCopy));
        EXPECT_EQ(Lists(), copied) << when;
    }
    // An edit by hand once the user file's clock has moved on since its last write.
    void EditByHand(const std::string& users) const {
        struct stat before {}, now {};
        stat(PathOf(kUsers).c_str(), &before);
        do {
            Write("clock.tmp", "tick");
            stat(PathOf("clock.tmp").c_str(), &now);
        } while (now.st_mtim.tv_sec == before.st_mtim.tv_sec && now.st_mtim.tv_nsec == before.st_mtim.tv_nsec);
        Write(kUsers, users);
    }
};

// Logins (which write the last access), a registration and a deletion keep
// the copy true: the lists read as they would from the user file alone.
TEST(UserFields, LoginsAndChangesKeepTheCopyTrue) {
    ListPool pool;
    for (int n : {30, 3, 17}) {
        EXPECT_TRUE(pool.Login(Email(n), Password(n)).HasLine(Welcome("PLAYER " + std::to_string(n))));
        std::string stamp = StampOf(pool.UserFile(), n);
        ASSERT_NE(stamp, kStamp);
        EXPECT_GE(std::ranges::count(pool.Lists(), "<br>" + stamp), 2) << n;  // in both lists
    }
    pool.ExpectSameListsWithAndWithoutCopy("after logins");
    EXPECT_TRUE(pool.Join("new@pool.test", "np", "Nina New").HasLine(Welcome("NINA NEW")));
    pool.ExpectSameListsWithAndWithoutCopy("after a registration");
    pool.AddUser(Email(9), "PLAYER 9", Password(9), "DELETE", "PLAYER 9");
    pool.Admin("VIEWUSERS");  // compacts the file
    EXPECT_EQ(pool.Users().size(), 30u);
    pool.ExpectSameListsWithAndWithoutCopy("after a deletion");
}

// The user file changed by hand (same length, same file): the stamp no
// longer matches, so logins and lists see the change.
TEST(UserFields, HandEditsOfTheUserFileAreSeen) {
    ListPool pool;
    pool.Lists();
    std::string users = pool.UserFile();
    users.replace(12 * kUserRecordLength + kUserRealName.Offset, kUserRealName.Width, FixedWidth("PLAYER 31", 60));
    users.replace(13 * kUserRecordLength + kUserEmail.Offset, kUserEmail.Width, FixedWidth("MOVED@POOL.TEST", 40));
    pool.EditByHand(users);
    EXPECT_TRUE(pool.Login("moved@pool.test", Password(14)).HasLine(Welcome("PLAYER 14")));
    EXPECT_FALSE(pool.Login(Email(14), Password(14)).HasLine(Welcome("PLAYER 14")));
    Lines lists = pool.Lists();
    EXPECT_TRUE(std::ranges::count(lists, "PLAYER 31") == 2 && std::ranges::count(lists, "PLAYER 13") == 0);
    pool.ExpectSameListsWithAndWithoutCopy("after hand edits");
}

}  // namespace
