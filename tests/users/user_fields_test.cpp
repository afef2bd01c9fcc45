#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/fixed_width.h"
#include "users/users_pool.h"

namespace {

const std::string kUsers = "ZRPform_user.dat";

std::string Email(int n) { return "p" + std::to_string(n) + "@pool.test"; }
std::string Password(int n) { return "pw" + std::to_string(n); }

// BIG BOSS, ANN LEE, then PLAYER 3 ... PLAYER 30.
struct ListPool : SeasonPool {
    ListPool() {
        std::vector<std::string> users = {"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR",
                                          "ANN@POOL.TEST/ANN LEE/PW1/USER"};
        for (int n = 3; n <= 30; ++n)
            users.push_back(Email(n) + "/PLAYER " + std::to_string(n) + "/" + Password(n) + "/USER");
        WriteUsers(users);
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

// The user file changed by hand (same length, same file): the stamp no
// longer matches, so logins and lists see the change. (The stress runs check
// the copy against the user file after every request.)
TEST(UserFields, HandEditsOfTheUserFileAreSeen) {
    ListPool pool;
    pool.Admin("VIEWUSERS");
    ASSERT_TRUE(pool.Exists("ZRP__UserFields.dat"));
    std::string users = pool.UserFile();
    users.replace(12 * kUserRecordLength + kUserRealName.Offset, kUserRealName.Width, FixedWidth("PLAYER 31", 60));
    users.replace(13 * kUserRecordLength + kUserEmail.Offset, kUserEmail.Width, FixedWidth("MOVED@POOL.TEST", 40));
    pool.EditByHand(users);
    EXPECT_TRUE(pool.Login("moved@pool.test", Password(14)).HasLine("Welcome! PLAYER 14<br>"));
    EXPECT_FALSE(pool.Login(Email(14), Password(14)).HasLine("Welcome! PLAYER 14<br>"));
    Lines list = pool.Admin("VIEWUSERS").Lines();
    EXPECT_TRUE(std::ranges::count(list, "PLAYER 31") == 1 && std::ranges::count(list, "PLAYER 13") == 0);
}

}  // namespace
