#include <gtest/gtest.h>

#include "users/users_pool.h"

namespace {

const std::string kUpdated = "Database Has Been Updated.<br><br>";
const std::string kRedFont = "<font face=" + kFace + R"( size="2" color="#FF0000">)";
std::string Error(const std::string& why) { return "<i>Error : " + why + " - Nothing Was Stored</i><br></font>"; }
const std::string kBlank = Error("Real Name Is Blank");
const std::string kTaken = Error("Another Player Already Has This Real Name");
const std::string kLoginTaken = Error("Another Player Already Has This Email Address And Password");
const std::string kNoAddress = Error("Email Address Has No @");
const std::string kEditHeading = "<div align=\"center\"><font face=" + kFace +
                                 " color=\"#0000FF\"><b>EDIT USER THEN CLICK SUBMIT</b></font></div>";

// The administrator BIG BOSS, the players ANN LEE and BOB RAY, and a second
// administrator, DEE DAY, whose record comes after theirs.
struct EditPool : SeasonPool {
    EditPool() {
        WriteUsers({"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR", "ANN@POOL.TEST/ANN LEE/PW1/USER",
                    "BOB@POOL.TEST/BOB RAY/PW2/USER", "DEE@POOL.TEST/DEE DAY/PW3/ADMINISTRATOR"});
    }
    // Ann's edit row as her page holds it, with the typed values in their place.
    CgiAnswer EditAnn(const Fields& typed) const {
        Fields row = {{"USEREMAIL", "ANN@POOL.TEST"}, {"USERREALNAME", "ANN LEE"}, {"USERPASSWORD", "PW1"},
                      {"USERSTATUS", "USER"}, {"EDITEDUSER", "ANN LEE"}};
        for (const auto& [name, value] : typed) std::ranges::find(row, name, &Fields::value_type::first)->second = value;
        return Admin("ADMINUPDATE", row);
    }
};

// The edit page shows the player's row and names him; a row that would
// store nothing or lose a player (a blank real name, one another player has
// in any case with blanks around, another live player's address and
// password, an address without "@", an addition marked DELETE) shows its page
// again with the reason and stores nothing. The values submitted replace the
// player's record, upper-cased, at the end of the file; "DELETE" removes him.
TEST(UserEditCycle, RowsAreRefusedWithTheirReasonOrReplaceAndDelete) {
    EditPool pool;
    std::string users = pool.UserFile();
    CgiAnswer edit = pool.Admin("EDITTHISUSER", {{"USERREALNAME", "ANN LEE"}});
    EXPECT_TRUE(edit.HasLine(R"(<input type="text" name="USEREMAIL" size="20" maxlength="40" value="ANN@POOL.TEST">)"));
    EXPECT_EQ(edit.Hidden("EDITEDUSER"), "ANN LEE");
    for (auto [typed, line] : {std::pair{Fields{{"USERREALNAME", ""}}, kBlank}, {{{"USERREALNAME", "Bob Ray  "}}, kTaken},
                               {{{"USEREMAIL", "bob@pool.test"}, {"USERPASSWORD", "pw2"}}, kLoginTaken},
                               {{{"USEREMAIL", "ann.pool.test"}}, kNoAddress}}) {
        CgiAnswer again = pool.EditAnn(typed);
        EXPECT_EQ(Missing(again, {kEditHeading, kRedFont, line}), Lines{}) << line;
        EXPECT_TRUE(again.Hidden("EDITEDUSER") == "ANN LEE" && !again.HasLine(kUpdated));
    }
    for (auto [email, name, status, line] :
         {std::tuple{"ann@pool.test", "Someone", "USER", kLoginTaken},
          {"gone@pool.test", "Someone", "DELETE", Error("There Is No Player To Delete")}}) {
        CgiAnswer add = pool.AddUser(email, name, "pw1", status);
        EXPECT_EQ(Missing(add, {"<!-- adminmiddle -->", kRedFont, line}), Lines{}) << email << name;
        EXPECT_FALSE(add.HasLine(kUpdated));
    }
    pool.Admin("VIEWUSERS");  // compacts the user file
    EXPECT_TRUE(pool.UserFile() == users);
    EXPECT_TRUE(pool.EditAnn({{"USERREALNAME", " ann lee"}, {"USERPASSWORD", "new"}}).HasLine(kUpdated));
    std::string after = pool.UserFile();
    EXPECT_TRUE(after == users.substr(0, kUserRecordLength) + users.substr(2 * kUserRecordLength) +
                    Bytes("ANN@POOL.TEST", "NEW", "ANN LEE", "USER", StampOf(after, 4)));
    EXPECT_TRUE(pool.Login(kAnn, "new").HasLine("Welcome! ANN LEE<br>"));
    pool.AddUser("bob@pool.test", "BOB RAY", "pw2", "DELETE", "BOB RAY");
    EXPECT_EQ(pool.Users(), (Lines{"BOSS@POOL.TEST/ADMINISTRATOR", "DEE@POOL.TEST/ADMINISTRATOR",
                                   "ANN@POOL.TEST/USER"}));
}

// A second administrator whose record comes after the player he edits stays
// himself: the request is his, and his next click still works.
TEST(UserEditCycle, SecondAdministratorEditsPlayersBeforeHim) {
    EditPool pool;
    CgiAnswer done = pool.Act("ADMINUPDATE", "dee@pool.test", "pw3",
                              {{"USEREMAIL", "ANN@POOL.TEST"}, {"USERREALNAME", "Ann Smith"}, {"USERPASSWORD", "PW1"},
                               {"USERSTATUS", "USER"}, {"EDITEDUSER", "ANN LEE"}});
    EXPECT_TRUE(done.HasLine(kUpdated) && done.Hidden("IAX") == Scrambled("PW3"));
    EXPECT_TRUE(pool.UserFile().ends_with(
        Bytes("ANN@POOL.TEST", "PW1", "ANN SMITH", "USER", StampOf(pool.UserFile(), 4))));
}

// An edit row that does not name its player (a page opened before rows did)
// is refused while he is live, and replaces him once he is marked deleted.
TEST(UserEditCycle, UnnamedRowReplacesOnlyADeletedPlayer) {
    EditPool pool;
    CgiAnswer old = pool.AddUser("ann@pool.test", "ANN LEE", "pw1");
    EXPECT_TRUE(old.HasLine(kTaken) && !old.HasLine(kUpdated));
    pool.WriteUsers({"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR", "ANN@POOL.TEST/ANN LEE/PW1/DELETE",
                     "BOB@POOL.TEST/BOB RAY/PW2/USER"});
    EXPECT_TRUE(pool.AddUser("ann@pool.test", "ANN LEE", "pw1").HasLine(kUpdated));
    EXPECT_EQ(pool.Users(), (Lines{"BOSS@POOL.TEST/ADMINISTRATOR", "BOB@POOL.TEST/USER", "ANN@POOL.TEST/USER"}));
    EXPECT_TRUE(pool.Login(kAnn, "pw1").HasLine("Welcome! ANN LEE<br>"));
}

}  // namespace
