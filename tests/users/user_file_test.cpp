#include "users/user_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "core/run.h"
#include "users/users_fixture.h"

namespace {

class UserFile : public ::testing::Test {
protected:
    std::string folder;
    void SetUp() override {
        char pattern[] = "/tmp/zrp-users-XXXXXX";
        folder = mkdtemp(pattern);
        ResetRun();
        R().DataFolder = folder + "/";
        R().DataFilePrefix = "ZRP";
    }
    void TearDown() override {
        std::string command = "rm -rf '" + folder + "'";
        EXPECT_EQ(system(command.c_str()), 0);
    }
    std::string PathOf(const std::string& name) const { return folder + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::stringstream ss;
        ss << std::ifstream(PathOf(name), std::ios::binary).rdbuf();
        return ss.str();
    }
    std::string Lookup(const std::string& mode, const std::string& email, const std::string& password) {
        R().LoginEmail = email;
        R().LoginPassword = password;
        return getrecord(mode);
    }
};

TEST_F(UserFile, AddedRecordHasTheFixedLayoutInUpperCase) {
    ::Run& r = R();
    r.UserEmailField = " bob@x.com ";
    r.UserPasswordField = "Secret";
    r.UserRealNameField = "Bob Smith";
    r.UserStatusField = "user";
    addrecord();
    std::string bytes = Read("ZRPform_user.dat");
    ASSERT_EQ(bytes.size(), 1695u);
    EXPECT_EQ(bytes.substr(0, 40), "BOB@X.COM" + std::string(31, ' '));
    EXPECT_EQ(bytes.substr(40, 40), "SECRET" + std::string(34, ' '));
    EXPECT_EQ(bytes.substr(80, 60), "BOB SMITH" + std::string(51, ' '));
    EXPECT_TRUE(std::regex_match(bytes.substr(140, 19), std::regex(R"(\d\d-\d\d-\d{4} \d\d:\d\d:\d\d)")));
    EXPECT_EQ(bytes.substr(159, 16), std::string(16, ' '));
    EXPECT_EQ(bytes.substr(175, 20), "USER" + std::string(16, ' '));
    EXPECT_EQ(bytes.substr(195), std::string(1500, '\0'));
    EXPECT_EQ(r.UserRecordNumber, 1);
}

TEST_F(UserFile, LookupModesMatchAsTheLoginNeeds) {
    EXPECT_EQ(Lookup("", "a@x", "p"), "NOUSERFILEYET");
    EXPECT_EQ(Lookup("CHECKUSERNAME", "a@x", "p"), "NOUSERFILEYET");
    EXPECT_EQ(Lookup("BOB", "a@x", "p"), "NOUSERFILEYET");
    Write("ZRPform_user.dat", "");
    EXPECT_EQ(Lookup("", "a@x", "p"), "");

    Write("ZRPform_user.dat", UserBytes("BOB@X.COM", "OLD", "BOB", "DELETE") +
                                  UserBytes("BOB@X.COM", "PW", "BOB", "USER") +
                                  UserBytes("PEN@X.COM", "PP", "PEN NAME", "PENDING") + std::string(100, 'x'));
    EXPECT_EQ(Lookup("", " bob@x.com", "pw "), "YES");
    EXPECT_EQ(R().UserRecordNumber, 2);
    EXPECT_EQ(Lookup("", "bob@x.com", "old"), "PASSWORD ERROR");
    EXPECT_EQ(Lookup("", "pen@x.com", "pp"), "MAYBE");
    EXPECT_EQ(Lookup("PEN NAME", "", ""), "MAYBE");
    EXPECT_EQ(Lookup("BOB", "", ""), "YES");
    EXPECT_EQ(R().UserRecordNumber, 2);
    EXPECT_EQ(Lookup("Bob", "", ""), "");
    EXPECT_EQ(R().UserRecordNumber, 4);

    // Without login values the lookup falls back on the form's USEREMAIL and
    // USERPASSWORD; a wrong password there goes on searching.
    R().UserEmailField = "bob@x.com";
    R().UserPasswordField = "pw";
    EXPECT_EQ(Lookup("", "", ""), "YES");
    EXPECT_EQ(Lookup("CHECKUSERNAME", "bob@x.com", "other"), "YES");
    R().UserPasswordField = "old";
    EXPECT_EQ(Lookup("CHECKUSERNAME", "", ""), "");
}

TEST_F(UserFile, UpdateAfterAFailedLookupAppends) {
    Write("ZRPform_user.dat", UserBytes("BOB@X.COM", "PW", "BOB", "USER"));
    EXPECT_EQ(Lookup("", "new@x.com", "pw"), "");
    R().User = {"new@x.com", "pw", "New", "01-02-2026 10:00:00", "USER"};
    updatedrecord();
    EXPECT_TRUE(Read("ZRPform_user.dat") == UserBytes("BOB@X.COM", "PW", "BOB", "USER") +
                                                UserBytes("new@x.com", "pw", "New", "USER", "01-02-2026 10:00:00"));
}

TEST_F(UserFile, CompactionKeepsOnlyLiveRecordsInOrder) {
    std::string lone = UserBytes("BOSS@X.COM", "PW", "BOSS", "DELETE");
    Write("ZRPform_user.dat", lone);
    CompactUserFile();
    EXPECT_TRUE(Read("ZRPform_user.dat") == lone);

    std::string boss = UserBytes("BOSS@X.COM", "PW", "BOSS", "ADMINISTRATOR");
    std::string a = UserBytes("A@X.COM", "PW", "A", "USER");
    std::string b = UserBytes("B@X.COM", "PW", "B", "PENDING");
    Write("ZRPform_user.dat", boss + UserBytes("C@X.COM", "PW", "C", "DELETE") + a +
                                  UserBytes("D@X.COM", "PW", "D", "") + UserBytes("NOMAIL", "PW", "E", "USER") +
                                  UserBytes("F@X.COM", "PW", "F", "XDELETEX") + b + "trailing piece");
    // A work file left by a broken run is not copied back.
    Write("ZRPform_user.ddd", std::string(5000, 'z'));
    CompactUserFile();
    EXPECT_TRUE(Read("ZRPform_user.dat") == boss + a + b);
    EXPECT_NE(access(PathOf("ZRPform_user.ddd").c_str(), F_OK), 0);

    // An administrator who logged in with a plain name keeps his record.
    std::string plainBoss = UserBytes("BOSS", "PW", "BOSS", "ADMINISTRATOR");
    Write("ZRPform_user.dat", plainBoss + UserBytes("NOMAIL", "PW", "E", "USER") + a);
    CompactUserFile();
    EXPECT_TRUE(Read("ZRPform_user.dat") == plainBoss + a);
}

TEST_F(UserFile, LineBreaksNeverReachAStoredField) {
    UserRecord record{"A@X.COM", "PW", "ANN\r\nBOB", "", "USER"};
    EXPECT_EQ(DecodeUserRecord(EncodeUserRecord(record)).UserRealName.substr(0, 7), "ANNBOB ");
}

}  // namespace
