#include "users/user_fields.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/fixed_width.h"
#include "support/run_folder.h"
#include "users/user_walks.h"
#include "users/users_pool.h"

namespace {

const std::string kCopy = "ZRP__UserFields.dat";
const std::string kUsers = "ZRPform_user.dat";

std::string Email(int n) { return "p" + std::to_string(n) + "@pool.test"; }
std::string Password(int n) { return "pw" + std::to_string(n); }
std::string Welcome(const std::string& name) { return "Welcome! " + name + "<br>"; }

// The copy a user file at path must have: a stamp of its state (length,
// times, file number, records), then the fields of each record.
std::string CopyOf(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return "";
    std::string copy = "ZRPUFD01", users = ReadOrEmpty(path);
    auto put = [&copy](auto value) { copy.append(reinterpret_cast<const char*>(&value), sizeof value); };
    auto ns = [](const timespec& t) { return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec; };
    put(static_cast<uint64_t>(st.st_size)), put(ns(st.st_mtim)), put(ns(st.st_ctim));
    put(static_cast<uint64_t>(st.st_ino)), put(static_cast<uint64_t>(st.st_dev));
    put(static_cast<uint32_t>(st.st_size / kUserRecordLength)), put(uint32_t{0});
    for (size_t at = 0; at + kUserRecordLength <= users.size(); at += kUserRecordLength)
        copy += users.substr(at, kUserFieldsLength);
    return copy;
}

// A page as it reads run after run: the hidden AIX and AAX are drawn anew each time.
Lines Steady(const CgiAnswer& page) {
    Lines lines = page.Lines();
    std::erase_if(lines, [](const std::string& line) { return line.starts_with(R"(<INPUT TYPE="HIDDEN" NAME="A)"); });
    return lines;
}

// BIG BOSS, ANN LEE, then PLAYER 3 ... PLAYER 30.
struct ListPool : SeasonPool {
    ListPool() {
        std::vector<std::string> users = {"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR",
                                          "ANN@POOL.TEST/ANN LEE/PW1/USER"};
        for (int n = 3; n <= 30; ++n)
            users.push_back(Email(n) + "/PLAYER " + std::to_string(n) + "/" + Password(n) + "/USER");
        WriteUsers(users);
    }
    bool CopyFits() const { return Read(kCopy) == CopyOf(PathOf(kUsers)); }
    ino_t CopyInode() const {
        struct stat st {};
        return stat(PathOf(kCopy).c_str(), &st) == 0 ? st.st_ino : 0;
    }
    std::pair<Lines, Lines> Lists() const { return {Steady(Act("VIEWPLAYERS", kAnn, "pw1")), Steady(Admin("VIEWUSERS"))}; }
    // The lists read through the copy equal the lists read from the user
    // file alone, and the walk leaves a copy true to the file.
    void ExpectSameListsWithAndWithoutCopy(const std::string& when) const {
        auto copied = Lists();
        EXPECT_TRUE(CopyFits()) << when;
        std::filesystem::remove(PathOf(kCopy));
        EXPECT_EQ(Lists(), copied) << when;
        EXPECT_TRUE(CopyFits()) << when;
    }
    // A later edit by hand: the user file's clock has moved on since its last write.
    void EditByHand(const std::string& users) const {
        struct stat before {}, now {};
        stat(PathOf(kUsers).c_str(), &before);
        do {
            Write("clock.tmp", "tick");
            stat(PathOf("clock.tmp").c_str(), &now);
        } while (now.st_mtim.tv_sec == before.st_mtim.tv_sec && now.st_mtim.tv_nsec == before.st_mtim.tv_nsec);
        std::filesystem::remove(PathOf("clock.tmp"));
        Write(kUsers, users);
    }
};

// A login finds its player through the copy, making it when there is none;
// its write of the last access keeps the copy true in place (the same file)
// and the lists show the new time.
TEST(UserFields, LoginsMakeTheCopyAndKeepItInPlace) {
    ListPool pool;
    EXPECT_TRUE(pool.Login(Email(30), Password(30)).HasLine(Welcome("PLAYER 30")));
    EXPECT_TRUE(pool.CopyFits());
    ino_t inode = pool.CopyInode();
    for (int n : {30, 3, 17}) {
        EXPECT_TRUE(pool.Login(Email(n), Password(n)).HasLine(Welcome("PLAYER " + std::to_string(n))));
        EXPECT_TRUE(pool.CopyInode() == inode && pool.CopyFits()) << n;
        std::string stamp = StampOf(pool.UserFile(), n);
        ASSERT_NE(stamp, kStamp);
        auto [players, users] = pool.Lists();
        EXPECT_TRUE(std::ranges::count(players, "<br>" + stamp) && std::ranges::count(users, "<br>" + stamp)) << n;
    }
    EXPECT_EQ(pool.CopyInode(), inode);
    pool.ExpectSameListsWithAndWithoutCopy("after logins");
}

// A registration adds a record, an edit changes one, a deletion compacts the
// file: each list reads as it would from the user file alone.
TEST(UserFields, ListsFollowTheAdministratorsChanges) {
    ListPool pool;
    pool.Lists();
    EXPECT_TRUE(pool.Join("new@pool.test", "np", "Nina New").HasLine(Welcome("NINA NEW")));
    EXPECT_TRUE(pool.CopyFits());
    EXPECT_TRUE(pool.Admin("VIEWUSERS").HasLine("NINA NEW"));
    pool.ExpectSameListsWithAndWithoutCopy("after a registration");
    pool.AddUser("eight@pool.test", "Eighth Renamed", Password(8), "USER", "PLAYER 8");
    EXPECT_TRUE(pool.Admin("VIEWUSERS").HasLine("EIGHTH RENAMED"));
    EXPECT_TRUE(pool.Login("eight@pool.test", Password(8)).HasLine(Welcome("EIGHTH RENAMED")));
    pool.ExpectSameListsWithAndWithoutCopy("after an edit");
    pool.AddUser(Email(9), "PLAYER 9", Password(9), "DELETE", "PLAYER 9");
    CgiAnswer database = pool.Admin("VIEWUSERS");  // compacts the file
    EXPECT_FALSE(database.HasLine("PLAYER 9"));
    EXPECT_EQ(pool.Users().size(), 30u);
    pool.ExpectSameListsWithAndWithoutCopy("after a deletion");
}

// The user file changed by hand (same length, same file): the stamp no
// longer matches, so the pages show the change and the copy is made anew.
TEST(UserFields, HandEditsOfTheUserFileAreSeen) {
    ListPool pool;
    pool.Lists();
    ASSERT_TRUE(pool.CopyFits());
    std::string users = pool.UserFile();
    users.replace(11 * kUserRecordLength + kUserStatus.Offset, kUserStatus.Width, FixedWidth("PENDING", 20));
    pool.EditByHand(users);
    EXPECT_TRUE(pool.Admin("VIEWUSERS").HasLine("<b>PENDING</b>"));
    EXPECT_TRUE(pool.CopyFits());
    users = pool.UserFile();
    users.replace(12 * kUserRecordLength + kUserRealName.Offset, kUserRealName.Width, FixedWidth("PLAYER 31", 60));
    users.replace(13 * kUserRecordLength + kUserEmail.Offset, kUserEmail.Width, FixedWidth("MOVED@POOL.TEST", 40));
    pool.EditByHand(users);
    EXPECT_TRUE(pool.Login("moved@pool.test", Password(14)).HasLine(Welcome("PLAYER 14")));
    EXPECT_FALSE(pool.Login(Email(14), Password(14)).HasLine(Welcome("PLAYER 14")));
    auto [players, database] = pool.Lists();
    EXPECT_EQ(std::ranges::count(players, "PLAYER 31"), 1) << "PLAYER 13 is now PLAYER 31";
    EXPECT_EQ(std::ranges::count(players, "PLAYER 13"), 0);
    pool.ExpectSameListsWithAndWithoutCopy("after hand edits");
}

// A copy that cannot be written (a folder in its place) costs a walk, not a page.
TEST(UserFields, CopyThatCannotBeWrittenNeverFailsAPage) {
    ListPool pool;
    std::filesystem::create_directory(pool.PathOf(kCopy));
    auto [players, database] = pool.Lists();
    EXPECT_EQ(std::ranges::count(players, "PLAYER 30"), 1);
    CgiAnswer page = pool.Login(Email(30), Password(30));
    EXPECT_TRUE(page.HasLine(Welcome("PLAYER 30")) && page.Errors.empty());
    EXPECT_TRUE(pool.Join("new@pool.test", "np", "Nina New").HasLine(Welcome("NINA NEW")));
    EXPECT_TRUE(pool.Login("new@pool.test", "np").HasLine(Welcome("NINA NEW")));
    EXPECT_FALSE(pool.Exists(kCopy + ".new"));
}

// A run killed while it writes a record leaves a copy whose stamp no longer
// matches, or none: during the write a changed entry is unstamped, and a
// write that never finishes (or would leave a gap) removes the copy. Walks
// for the scoring run and the editor read a copy but never make one.
TEST(UserFields, CopyIsNeverValidWhileARecordIsWritten) {
    RunFolder folder;
    folder.WriteUsers({Player("A@X", "A"), Player("B@X", "B"), Player("C@X", "C")});
    auto walk = [](bool making) { ForEachUserFieldBytes(making, [](int32_t, std::string_view) { return true; }); };
    walk(false);
    EXPECT_FALSE(folder.Exists(kCopy));
    walk(true);
    const std::string copy = CopyOf(folder.PathOf(kUsers));
    ASSERT_EQ(folder.Read(kCopy), copy);
    std::string changed = EncodeUserRecord({"B@X", "SECRET", "BEE", kStamp, "USER"});
    for (int32_t number : {2, 4, 5}) {
        {
            UserFieldsWrite write(number, changed);
            EXPECT_EQ(folder.Exists(kCopy) && folder.Read(kCopy) == copy, number == 4) << number;
        }
        EXPECT_FALSE(folder.Exists(kCopy)) << number;
        walk(true);
    }
    // Written, the copy holds the record's new fields, found first by a lookup.
    WriteUserRecord(2, {"C@X", "OTHER", "B", kStamp, "USER"});
    EXPECT_EQ(folder.Read(kCopy), CopyOf(folder.PathOf(kUsers)));
    R().LoginEmail = "c@x";
    R().LoginPassword = "secret";
    EXPECT_TRUE(getrecord("") == "PASSWORD ERROR" && R().UserRecordNumber == 2);
}

}  // namespace
