#include "users/user_index.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <regex>

#include "core/fixed_width.h"
#include "core/name_key.h"
#include "support/run_folder.h"
#include "users/users_pool.h"

namespace {

const std::string kIndex = "ZRP__UserIndex.dat";
const std::string kWrongPassword = "<i>Error : Incorrect Password</i><br></font>";

std::string Email(int n) { return "p" + std::to_string(n) + "@pool.test"; }
std::string Password(int n) { return "pw" + std::to_string(n); }
std::string Welcome(const std::string& name) { return "Welcome! " + name + "<br>"; }

// BIG BOSS, ANN LEE, then PLAYER 3 ... PLAYER 40 (p3@pool.test / pw3 ...).
struct CrowdPool : SeasonPool {
    static constexpr int kLast = 40;
    CrowdPool() {
        std::string users = UserFile();
        for (int n = 3; n <= kLast; ++n) users += Bytes(Email(n), Password(n), "PLAYER " + std::to_string(n), "USER");
        Write("ZRPform_user.dat", users);
    }
    CgiAnswer LoginAs(int n) const { return Login(Email(n), Password(n)); }
    void RemoveIndex() const { std::filesystem::remove(PathOf(kIndex)); }
    ino_t IndexInode() const {
        struct stat st {};
        return stat(PathOf(kIndex).c_str(), &st) == 0 ? st.st_ino : 0;
    }
    // One hash for each record of the user file (a wrong stamp in its head
    // shows as the index made anew, under another inode, by the next run).
    bool IndexFitsUserFile() const { return Read(kIndex).size() == 56 + 4 * Users().size(); }
};

// A page as it reads run after run: the hidden AIX and AAX are drawn anew each time.
Lines Steady(const CgiAnswer& page) {
    Lines lines = page.Lines();
    std::regex decoy(R"(<INPUT TYPE="HIDDEN" NAME="A[AI]X".*)");
    std::erase_if(lines, [&decoy](const std::string& line) { return std::regex_match(line, decoy); });
    return lines;
}

// The last player's pages, a wrong password and a stranger read the same
// whether the index answers or a walk does; an index that cannot be written
// (a folder in its place) costs a walk, not a page.
TEST(UserIndex, PagesAreTheSameWithTheIndexWithoutItAndWhenItCannotBeWritten) {
    CrowdPool pool;
    EXPECT_FALSE(pool.Exists(kIndex));
    CgiAnswer walked = pool.LoginAs(CrowdPool::kLast);
    EXPECT_TRUE(walked.HasLine(Welcome("PLAYER 40")));
    EXPECT_TRUE(pool.IndexFitsUserFile());  // written by the walk
    EXPECT_EQ(Steady(pool.LoginAs(CrowdPool::kLast)), Steady(walked));
    const std::pair<std::string, std::string> asks[] = {
        {"THISWEEK", Password(40)}, {"VIEWUSERPICKS", Password(40)}, {"POSTCOMMENTS", Password(40)},
        {"THISWEEK", "wrong"}, {"LOGIN", "wrong"}};
    for (const auto& [action, password] : asks) {
        CgiAnswer indexed = pool.Act(action, Email(40), password);
        pool.RemoveIndex();
        EXPECT_EQ(Steady(indexed), Steady(pool.Act(action, Email(40), password))) << action << password;
        EXPECT_TRUE(pool.IndexFitsUserFile()) << action;
    }
    CgiAnswer stranger = pool.Login("nobody@pool.test", "pw");
    pool.RemoveIndex();
    EXPECT_EQ(Steady(stranger), Steady(pool.Login("nobody@pool.test", "pw")));
    pool.RemoveIndex();
    std::filesystem::create_directory(pool.PathOf(kIndex));
    CgiAnswer page = pool.LoginAs(CrowdPool::kLast);
    EXPECT_TRUE(page.HasLine(Welcome("PLAYER 40")) && page.Errors.empty());
    EXPECT_TRUE(pool.Join("new@pool.test", "np", "Nina New").HasLine(Welcome("NINA NEW")));
    EXPECT_TRUE(pool.Login("new@pool.test", "np").HasLine(Welcome("NINA NEW")));
    EXPECT_FALSE(pool.Exists(kIndex + ".new"));
}

// Logins (the last access rewritten in place) and a registration (a record
// added) leave the index where it is, hashes and all, so that the next run
// does not walk the file again; the administrator's changes (an addition,
// a change in place, a new address, a deletion that compacts the file) and
// changes by hand behind the index keep every answer the walk's.
TEST(UserIndex, IndexFollowsEveryChangeOfTheUserFile) {
    CrowdPool pool;
    pool.LoginAs(3);
    ino_t inode = pool.IndexInode();
    std::string hashes = pool.Read(kIndex).substr(56), users = pool.UserFile();
    EXPECT_TRUE(pool.LoginAs(CrowdPool::kLast).HasLine(Welcome("PLAYER 40")));
    EXPECT_NE(pool.UserFile(), users);  // the last access is stored
    EXPECT_TRUE(pool.Act("THISWEEK", Email(7), Password(7)).Hidden("ACTION") == "USERPICS1");
    EXPECT_TRUE(pool.IndexInode() == inode && pool.Read(kIndex).substr(56) == hashes);
    EXPECT_TRUE(pool.Join("new@pool.test", "np", "Nina New").HasLine(Welcome("NINA NEW")));
    EXPECT_TRUE(pool.Login("New@Pool.Test", "np").HasLine(Welcome("NINA NEW")));
    EXPECT_TRUE(pool.IndexInode() == inode && pool.IndexFitsUserFile());

    pool.AddUser(Email(5), "Fifth Man", Password(5));  // known address and password: written back in place
    EXPECT_TRUE(pool.LoginAs(5).HasLine(Welcome("PLAYER 5")));
    StoreEdit(pool, "PLAYER 7", "seven@pool.test", "PLAYER 7", Password(7));
    EXPECT_TRUE(pool.Login("seven@pool.test", "pw7").HasLine(Welcome("PLAYER 7")));
    EXPECT_FALSE(pool.LoginAs(7).HasLine(Welcome("PLAYER 7")));
    StoreEdit(pool, "PLAYER 9", Email(9), "PLAYER 9", Password(9), "DELETE");
    EXPECT_EQ(pool.Users().size(), 40u);  // 41 with Nina, less player 9
    EXPECT_FALSE(pool.LoginAs(9).HasLine(Welcome("PLAYER 9")));
    for (int n : {3, 8, 10, CrowdPool::kLast})
        EXPECT_TRUE(pool.LoginAs(n).HasLine(Welcome("PLAYER " + std::to_string(n)))) << n;
    EXPECT_TRUE(pool.Login("new@pool.test", "np").HasLine(Welcome("NINA NEW")));
    EXPECT_TRUE(pool.IndexFitsUserFile());

    pool.Write("ZRPform_user.dat", pool.UserFile() + Bytes("HAND@POOL.TEST", "HPW", "HAND MADE", "USER"));
    EXPECT_TRUE(pool.Login("hand@pool.test", "hpw").HasLine(Welcome("HAND MADE")));
    EXPECT_TRUE(pool.IndexFitsUserFile());
    // Player 3 now has player 40's address: the first record with it answers.
    users = pool.UserFile();
    size_t third = users.find(Email(3) + " "), last = users.find(Email(40));
    pool.Write("ZRPform_user.dat", users.replace(third, 40, FixedWidth("P40@POOL.TEST", 40)));
    EXPECT_TRUE(pool.LoginAs(CrowdPool::kLast).HasLine(kWrongPassword));
    EXPECT_TRUE(pool.Login(Email(40), Password(3)).HasLine(Welcome("PLAYER 3")));
    EXPECT_TRUE(pool.IndexFitsUserFile());
    pool.Write("ZRPform_user.dat", users.replace(last, 40, FixedWidth("MOVED@POOL.TEST", 40)));
    EXPECT_TRUE(pool.Login("moved@pool.test", Password(40)).HasLine(Welcome("PLAYER 40")));
    EXPECT_FALSE(pool.Login(Email(3), Password(3)).HasLine(Welcome("PLAYER 3")));
}

// Records that share an address answer as they always have: the first live
// one decides, whatever its password.
TEST(UserIndex, SharedAddressesAnswerAsTheWalk) {
    for (bool indexed : {true, false}) {
        SeasonPool pool;
        pool.WriteUsers({"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR", "DUP@POOL.TEST/GONE/PWA/DELETE",
                         "ANN@POOL.TEST/ANN LEE/PW1/USER", "DUP@POOL.TEST/FIRST ONE/PWB/USER",
                         "DUP@POOL.TEST/SECOND ONE/PWC/USER"});
        for (auto [password, line] : {std::pair{"pwb", Welcome("FIRST ONE")}, {"pwc", kWrongPassword},
                                      {"pwa", kWrongPassword}, {"pwb", Welcome("FIRST ONE")}}) {
            if (!indexed) std::filesystem::remove(pool.PathOf(kIndex));
            EXPECT_TRUE(pool.Login("dup@pool.test", password).HasLine(line)) << indexed << password;
            EXPECT_TRUE(pool.Exists(kIndex));
        }
    }
}

// A record written in place under another address drops the index: kept,
// it would send a lookup of that address past the record to a later one.
TEST(UserIndex, RecordTakingAnotherAddressInPlaceIsFoundFirst) {
    RunFolder folder;
    folder.WriteUsers({Player("A@X", "A"), Player("B@X", "B"), Player("C@X", "C")});
    R().LoginEmail = "c@x";
    R().LoginPassword = "secret";
    EXPECT_TRUE(getrecord("") == "YES" && R().UserRecordNumber == 3);
    ASSERT_TRUE(folder.Exists(kIndex));
    WriteUserRecord(1, {"A@X", "OTHER", "A", kStamp, "USER"});
    EXPECT_TRUE(folder.Exists(kIndex));  // the same address
    WriteUserRecord(2, {"C@X", "OTHER", "B", kStamp, "USER"});
    EXPECT_TRUE(getrecord("") == "PASSWORD ERROR" && R().UserRecordNumber == 2);
    // A miss goes on with the last record, numbered one past it.
    R().LoginEmail = "b@x";
    EXPECT_TRUE(getrecord("") == "" && R().UserRecordNumber == 4 && TrimBlanks(R().User.UserRealName) == "C");
    EXPECT_TRUE(folder.Exists(kIndex));
}

// Two keys hash alike exactly when the lookup takes them for the same
// (blanks around and letter case aside, Latin-1 letters included).
TEST(UserIndex, HashIsOfTheKeyAsTheLookupComparesIt) {
    const std::string fields[] = {"  bob@x.com   ", "BOB@X.COM", "Bob@X.Com\t", "b ob@x.com", "", "    ",
                                  "\xe9t\xe9@x.fr  ", "bob@x.co"};
    const std::string keys[] = {"BOB@X.COM", "", "\xc9T\xc9@X.FR", "B OB@X.COM", "BOB@X.CO", "BOB@X.COM\t"};
    int matches = 0;
    for (const std::string& field : fields)
        for (const std::string& key : keys) {
            bool same = MatchesNameKey(field, key);
            matches += same;
            EXPECT_EQ(NameKeyHash(field) == KeyHash(key), same) << field << "|" << key;
        }
    EXPECT_EQ(matches, 8);
}

}  // namespace
