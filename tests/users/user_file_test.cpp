#include "users/user_file.h"

#include <gtest/gtest.h>

#include <regex>

#include "support/run_folder.h"
#include "users/users_pool.h"

namespace {

struct UserFile : ::testing::Test {
    RunFolder folder;
    std::string Lookup(const std::string& mode, const std::string& email, const std::string& password) {
        R().LoginEmail = email;
        R().LoginPassword = password;
        return getrecord(mode);
    }
};

std::string Padded(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

TEST_F(UserFile, AddedRecordHasTheFixedLayoutInUpperCase) {
    ::Run& r = R();
    r.UserEmailField = " bob@x.com ";
    r.UserPasswordField = "Secret";
    r.UserRealNameField = "Bob Smith";
    r.UserStatusField = "user";
    addrecord();
    std::string bytes = folder.Read("ZRPform_user.dat");
    ASSERT_EQ(bytes.size(), 1695u);
    EXPECT_TRUE(std::regex_match(bytes.substr(140, 19), std::regex(R"(\d\d-\d\d-\d{4} \d\d:\d\d:\d\d)")));
    EXPECT_TRUE(bytes == Padded("BOB@X.COM", 40) + Padded("SECRET", 40) + Padded("BOB SMITH", 60) +
                             Padded(bytes.substr(140, 19), 35) + Padded("USER", 20) + std::string(1500, '\0'));
    EXPECT_EQ(r.UserRecordNumber, 1);
    // Line breaks never reach a stored field.
    EXPECT_EQ(DecodeUserRecord(EncodeUserRecord({"A@X", "P", "ANN\r\nBOB", "", "USER"})).UserRealName.substr(0, 7),
              "ANNBOB ");
}

TEST_F(UserFile, LookupModesMatchAsTheLoginNeeds) {
    for (const char* mode : {"", "CHECKUSERNAME", "BOB"}) EXPECT_EQ(Lookup(mode, "a@x", "p"), "NOUSERFILEYET");
    folder.Write("ZRPform_user.dat", "");
    EXPECT_EQ(Lookup("", "a@x", "p"), "");
    folder.Write("ZRPform_user.dat", Bytes("BOB@X.COM", "OLD", "BOB", "DELETE") + Bytes("BOB@X.COM", "PW", "BOB", "USER") +
                                         Bytes("PEN@X.COM", "PP", "PEN NAME", "PENDING") + std::string(100, 'x'));
    EXPECT_EQ(Lookup("", " bob@x.com", "pw "), "YES");
    EXPECT_EQ(R().UserRecordNumber, 2);
    EXPECT_EQ(Lookup("", "bob@x.com", "old"), "PASSWORD ERROR");
    EXPECT_EQ(Lookup("", "pen@x.com", "pp"), "MAYBE");
    EXPECT_EQ(Lookup("PEN NAME", "", ""), "MAYBE");
    EXPECT_EQ(Lookup("BOB", "", ""), "YES");
    EXPECT_EQ(R().UserRecordNumber, 2);
    EXPECT_EQ(Lookup("Bob", "", ""), "");
    EXPECT_EQ(R().UserRecordNumber, 4);
    // Without login values the form's USEREMAIL and USERPASSWORD are looked
    // up; a wrong password there goes on searching.
    R().UserEmailField = "bob@x.com";
    R().UserPasswordField = "pw";
    EXPECT_EQ(Lookup("", "", ""), "YES");
    EXPECT_EQ(Lookup("CHECKUSERNAME", "bob@x.com", "other"), "YES");
    R().UserPasswordField = "old";
    EXPECT_EQ(Lookup("CHECKUSERNAME", "", ""), "");
    // An update after a failed lookup appends.
    std::string before = folder.Read("ZRPform_user.dat").substr(0, 3 * 1695);
    R().User = {"new@x.com", "pw", "New", kStamp, "USER"};
    updatedrecord();
    EXPECT_TRUE(folder.Read("ZRPform_user.dat") == before + Bytes("new@x.com", "pw", "New", "USER"));
}

TEST_F(UserFile, CompactionKeepsOnlyLiveRecordsInOrder) {
    std::string lone = Bytes("BOSS@X.COM", "PW", "BOSS", "DELETE");
    folder.Write("ZRPform_user.dat", lone);
    CompactUserFile();
    EXPECT_TRUE(folder.Read("ZRPform_user.dat") == lone);

    std::string boss = Bytes("BOSS@X.COM", "PW", "BOSS", "ADMINISTRATOR");
    std::string a = Bytes("A@X.COM", "PW", "A", "USER");
    std::string b = Bytes("B@X.COM", "PW", "B", "PENDING");
    std::string noMail = Bytes("NOMAIL", "PW", "E", "USER");
    folder.Write("ZRPform_user.dat", boss + Bytes("C@X.COM", "PW", "C", "DELETE") + a + Bytes("D@X.COM", "PW", "D", "") +
                                         noMail + Bytes("F@X.COM", "PW", "F", "XDELETEX") + b + "trailing piece");
    // A work file left by a broken run is not copied back.
    folder.Write("ZRPform_user.ddd", std::string(5000, 'z'));
    CompactUserFile();
    EXPECT_TRUE(folder.Read("ZRPform_user.dat") == boss + a + b);
    EXPECT_FALSE(folder.Exists("ZRPform_user.ddd"));
    // An administrator who joined with a plain name keeps his record.
    std::string plainBoss = Bytes("BOSS", "PW", "BOSS", "ADMINISTRATOR");
    folder.Write("ZRPform_user.dat", plainBoss + noMail + a);
    CompactUserFile();
    EXPECT_TRUE(folder.Read("ZRPform_user.dat") == plainBoss + a);
}

}  // namespace
