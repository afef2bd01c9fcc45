#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "core/fixed_width.h"
#include "support/run_folder.h"
#include "users/user_fields.h"
#include "users/users_pool.h"

namespace {

const std::string kCopy = "ZRP__UserFields.dat";
const std::string kUsers = "ZRPform_user.dat";

std::string Email(int n) { return "p" + std::to_string(n) + "@pool.test"; }
std::string Password(int n) { return "pw" + std::to_string(n); }

// The header a copy of the fields of the user file at path must start with.
std::string HeaderFor(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return "";
    auto ns = [](const timespec& t) { return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec; };
    struct {
        char magic[8] = {'Z', 'R', 'P', 'U', 'F', 'D', '0', '1'};
        uint64_t size;
        int64_t modified, changed;
        uint64_t inode, device;
        uint32_t count, unused = 0;
    } h;
    h.size = static_cast<uint64_t>(st.st_size);
    h.modified = ns(st.st_mtim), h.changed = ns(st.st_ctim);
    h.inode = st.st_ino, h.device = st.st_dev;
    h.count = static_cast<uint32_t>(st.st_size / kUserRecordLength);
    return std::string(reinterpret_cast<const char*>(&h), sizeof h);
}

// The copy as it must be: that header, then bytes 0..194 of each record.
std::string CopyOf(const std::string& path) {
    std::string users = ReadOrEmpty(path), copy = HeaderFor(path);
    for (size_t at = 0; at + kUserRecordLength <= users.size(); at += kUserRecordLength)
        copy += users.substr(at, 195);
    return copy;
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
    // The two lists without the hidden AIX and AAX, drawn anew on each page.
    std::pair<Lines, Lines> Lists() const {
        auto steady = [](const CgiAnswer& page) {
            Lines lines = page.Lines();
            std::erase_if(lines, [](const std::string& line) {
                return line.starts_with(R"(<INPUT TYPE="HIDDEN" NAME="A)");
            });
            return lines;
        };
        return {steady(Act("VIEWPLAYERS", kAnn, "pw1")), steady(Admin("VIEWUSERS"))};
    }
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

bool HasStamp(const Lines& page, const std::string& stamp) {
    return std::ranges::find(page, "<br>" + stamp) != page.end();
}

// LOGIN rewrites the player's last access in place: the copy follows it in
// place (the same file) and the lists show the new time.
TEST(UserFields, CopyFollowsLoginsInPlace) {
    ListPool pool;
    pool.ExpectSameListsWithAndWithoutCopy("first walk");
    ino_t inode = pool.CopyInode();
    for (int n : {30, 3, 17}) {
        EXPECT_TRUE(pool.Login(Email(n), Password(n)).HasLine("Welcome! PLAYER " + std::to_string(n) + "<br>"));
        EXPECT_TRUE(pool.CopyInode() == inode && pool.CopyFits()) << n;
        std::string stamp = StampOf(pool.UserFile(), n);
        ASSERT_NE(stamp, kStamp);
        auto [players, users] = pool.Lists();
        EXPECT_TRUE(HasStamp(players, stamp) && HasStamp(users, stamp)) << n;
    }
    EXPECT_EQ(pool.CopyInode(), inode);
    pool.ExpectSameListsWithAndWithoutCopy("after logins");
}

// A registration adds a record, an edit changes one, a deletion compacts the
// file: each list reads as it would from the user file alone.
TEST(UserFields, ListsFollowTheAdministratorsChanges) {
    ListPool pool;
    pool.Lists();
    EXPECT_TRUE(pool.Join("new@pool.test", "np", "Nina New").HasLine("Welcome! NINA NEW<br>"));
    EXPECT_TRUE(pool.CopyFits());
    EXPECT_TRUE(pool.Admin("VIEWUSERS").HasLine("NINA NEW"));
    pool.ExpectSameListsWithAndWithoutCopy("after a registration");
    auto edit = [&](int n, const std::string& name, const std::string& status) {
        pool.Admin("ADMINUPDATE", {{"EDITEDUSER", "PLAYER " + std::to_string(n)}, {"USEREMAIL", Email(n)},
                                   {"USERREALNAME", name}, {"USERPASSWORD", Password(n)}, {"USERSTATUS", status}});
    };
    edit(8, "Eighth Renamed", "USER");
    EXPECT_TRUE(pool.Admin("VIEWUSERS").HasLine("EIGHTH RENAMED"));
    pool.ExpectSameListsWithAndWithoutCopy("after an edit");
    edit(9, "PLAYER 9", "DELETE");
    CgiAnswer database = pool.Admin("VIEWUSERS");  // compacts the file
    EXPECT_FALSE(database.HasLine("PLAYER 9"));
    EXPECT_EQ(pool.Users().size(), 30u);
    pool.ExpectSameListsWithAndWithoutCopy("after a deletion");
}

// The user file changed by hand (same length, same file): the stamp no
// longer matches, so the lists show the change and the copy is made anew.
TEST(UserFields, HandEditsOfTheUserFileAreSeen) {
    ListPool pool;
    pool.Lists();
    ASSERT_TRUE(pool.CopyFits());
    std::string users = pool.UserFile();
    users.replace(11 * kUserRecordLength + 175, 20, FixedWidth("PENDING", 20));
    pool.EditByHand(users);
    EXPECT_TRUE(pool.Admin("VIEWUSERS").HasLine("<b>PENDING</b>"));
    EXPECT_TRUE(pool.CopyFits());
    users = pool.UserFile();
    users.replace(12 * kUserRecordLength + 80, 60, FixedWidth("PLAYER 31", 60));
    pool.EditByHand(users);
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
    EXPECT_TRUE(pool.Login(Email(5), Password(5)).HasLine("Welcome! PLAYER 5<br>"));
    EXPECT_TRUE(pool.Join("new@pool.test", "np", "Nina New").HasLine("Welcome! NINA NEW<br>"));
    EXPECT_FALSE(pool.Exists(kCopy + ".new"));
}

// A run killed while it writes a record leaves a copy whose stamp no longer
// matches, or none: during the write the copy is unstamped, and a write that
// never finishes (or would leave a gap) removes it. The walks of the scoring
// run and the editor read a copy but never make one.
TEST(UserFields, CopyIsNeverValidWhileARecordIsWritten) {
    RunFolder folder;
    folder.WriteUsers({Player("A@X", "A"), Player("B@X", "B"), Player("C@X", "C")});
    auto walkAll = [](auto walk) { walk([](int32_t, const auto&) { return true; }); };
    walkAll(ForEachUserRecord);
    EXPECT_FALSE(folder.Exists(kCopy));
    walkAll(ForEachUserFields);
    ASSERT_EQ(folder.Read(kCopy), CopyOf(folder.PathOf(kUsers)));
    struct stat users {};
    stat(folder.PathOf(kUsers).c_str(), &users);
    std::string changed = EncodeUserRecord({"B@X", "SECRET", "BEE", kStamp, "USER"});
    for (int32_t number : {2, 4, 5}) {
        {
            UserFileStatus before;
            UserFieldsWrite write(number, changed, before);
            EXPECT_EQ(UserFieldsCopy(users).Valid(), number == 4) << number;
        }
        EXPECT_FALSE(folder.Exists(kCopy)) << number;
        walkAll(ForEachUserFields);
    }
    // The same bytes in place keep it valid throughout.
    UserFileStatus before;
    UserFieldsWrite same(1, EncodeUserRecord(Player("A@X", "A")), before);
    EXPECT_TRUE(UserFieldsCopy(users).Valid());
}

}  // namespace
