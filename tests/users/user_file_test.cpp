#include "users/user_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/fixed_width.h"
#include "support/run_folder.h"
#include "users/user_walks.h"
#include "users/users_pool.h"

namespace {

// Each lookup twice: from the user file alone, which makes the copy of the
// fields, then through the copy; both must find the same.
std::string Lookup(const std::string& mode, const std::string& email, const std::string& password) {
    R().LoginEmail = email;
    R().LoginPassword = password;
    std::filesystem::remove(R().DataFolder + "ZRP__UserFields.dat");
    std::string walked = getrecord(mode);
    std::pair<int32_t, std::string> found{R().UserRecordNumber, R().User.UserRealName};
    std::string copied = getrecord(mode);
    EXPECT_TRUE(copied == walked && found.first == R().UserRecordNumber && found.second == R().User.UserRealName)
        << mode << email;
    return copied;
}

// A user record: its fields padded to their widths, line breaks dropped,
// then zero bytes to its full length.
TEST(UserFile, RecordHasTheFixedLayoutOnOneLine) {
    EXPECT_TRUE(EncodeUserRecord({"BOB@X.COM", "SECRET", "BOB\r\nSMITH", kStamp, "USER"}) ==
                "BOB@X.COM" + std::string(31, ' ') + "SECRET" + std::string(34, ' ') + "BOBSMITH" +
                    std::string(52, ' ') + kStamp + std::string(16, ' ') + "USER" + std::string(16, ' ') +
                    std::string(1500, '\0'));
}

// A lookup by address (or by real name) answers YES, PASSWORD ERROR, MAYBE
// for a pending player, or nothing past the last record.
TEST(UserFile, LookupModesMatchAsTheLoginNeeds) {
    RunFolder folder;
    for (const char* mode : {"", "CHECKUSERNAME", "BOB"}) EXPECT_EQ(Lookup(mode, "a@x", "p"), "NOUSERFILEYET");
    std::string users = Bytes("BOB@X.COM", "OLD", "BOB", "DELETE") + Bytes("BOB@X.COM", "PW", "BOB", "USER") +
                        Bytes("PEN@X.COM", "PP", "PEN NAME", "PENDING");
    folder.Write("ZRPform_user.dat", users + std::string(100, 'x'));
    EXPECT_EQ(Lookup("", " bob@x.com", "pw "), "YES");
    EXPECT_EQ(Lookup("", "bob@x.com", "old"), "PASSWORD ERROR");
    EXPECT_EQ(Lookup("", "pen@x.com", "pp"), "MAYBE");
    EXPECT_EQ(Lookup("PEN NAME", "", ""), "MAYBE");
    EXPECT_TRUE(Lookup("BOB", "", "") == "YES" && R().UserRecordNumber == 2);
    EXPECT_TRUE(Lookup("Bob", "", "") == "" && R().UserRecordNumber == 4);  // past the last record
    EXPECT_EQ(R().User.UserRealName, FixedWidth("PEN NAME", 60));           // the last record read stays
    // Without login values the form's USEREMAIL and USERPASSWORD are looked
    // up; a wrong password there goes on searching.
    R().UserEmailField = "bob@x.com";
    R().UserPasswordField = "pw";
    EXPECT_EQ(Lookup("", "", ""), "YES");
    EXPECT_EQ(Lookup("CHECKUSERNAME", "bob@x.com", "other"), "YES");
    R().UserPasswordField = "old";
    EXPECT_EQ(Lookup("CHECKUSERNAME", "", ""), "");
    // An update after a failed lookup appends.
    R().User = {"new@x.com", "pw", "New", kStamp, "USER"};
    updatedrecord();
    EXPECT_TRUE(folder.Read("ZRPform_user.dat") == users + Bytes("new@x.com", "pw", "New", "USER"));
}

// Compaction keeps the live records in order and copies back no work file
// left by a broken run; a file of dead records only stays.
TEST(UserFile, CompactionKeepsOnlyLiveRecordsInOrder) {
    RunFolder folder;
    std::string boss = Bytes("BOSS", "PW", "BOSS", "ADMINISTRATOR"), a = Bytes("A@X.COM", "PW", "A", "PENDING");
    std::string dead = Bytes("C@X.COM", "PW", "C", "DELETE"), blank = Bytes("D@X.COM", "PW", "D", "");
    for (auto [stored, kept] : {std::pair{dead, dead}, {boss + dead + a + blank + a, boss + a + a}}) {
        folder.Write("ZRPform_user.dat", stored);
        folder.Write("ZRPform_user.ddd", std::string(5000, 'z'));
        CompactUserFile();
        EXPECT_TRUE(folder.Read("ZRPform_user.dat") == kept);
    }
    EXPECT_FALSE(folder.Exists("ZRPform_user.ddd"));
}

}  // namespace
