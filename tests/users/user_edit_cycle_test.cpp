#include <gtest/gtest.h>

#include "users/users_pool.h"

namespace {

const std::string kChoiceForm = R"(    <td width="50%" valign="middle"><FORM NAME="form1")";
const std::string kRowForm = R"(    <td width="174"><FORM NAME="form1")";
const std::string kReturnForm = "<FORM METHOD=\"POST\"";
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
    // The edit page of a player, chosen on the choice page with its own form.
    CgiAnswer OpenEdit(const std::string& name, const std::string& admin = kBoss, const std::string& pw = "secret") {
        return Post(FormFields(Act("EDITUSER", admin, pw), kChoiceForm, {{"USERREALNAME", name}}));
    }
    CgiAnswer Submit(const CgiAnswer& page, const std::string& form, const Fields& typed = {}) const {
        return Post(FormFields(page, form, typed));
    }
};

// Opening an edit page and leaving it loses nothing; a row that would store
// nothing or lose a player (a blank real name, one another player has in any
// case with blanks around, another live player's address and password, an
// address without "@", an addition marked DELETE) shows its page again with
// the reason and stores nothing. The values submitted replace the player's
// record, upper-cased, at the end of the file; "DELETE" removes him.
TEST(UserEditCycle, RowsAreRefusedWithTheirReasonOrReplaceAndDelete) {
    EditPool pool;
    std::string users = pool.UserFile();
    CgiAnswer edit = pool.OpenEdit("ANN LEE");
    EXPECT_TRUE(edit.HasLine(R"(<input type="text" name="USEREMAIL" size="20" maxlength="40" value="ANN@POOL.TEST">)"));
    EXPECT_TRUE(pool.Submit(pool.OpenEdit("BOB RAY"), kReturnForm).HasLine("<!-- AdminMainMenu -->"));
    for (auto [typed, line] : {std::pair{Fields{{"USERREALNAME", ""}}, kBlank}, {{{"USERREALNAME", "Bob Ray  "}}, kTaken},
                               {{{"USEREMAIL", "bob@pool.test"}, {"USERPASSWORD", "pw2"}}, kLoginTaken},
                               {{{"USEREMAIL", "ann.pool.test"}}, kNoAddress}}) {
        CgiAnswer again = pool.Submit(edit, kRowForm, typed);
        EXPECT_EQ(Missing(again, {kEditHeading, kRedFont, line}), Lines{}) << line;
        EXPECT_TRUE(again.Hidden("EDITEDUSER") == "ANN LEE" && !again.HasLine(kUpdated));
    }
    for (auto [email, name, status, line] :
         {std::tuple{"new@pool.test", "  ", "USER", kBlank}, {"new@pool.test", " ann lee ", "USER", kTaken},
          {"new@pool.test", "BIG BOSS", "USER", kTaken}, {"ann@pool.test", "Someone", "USER", kLoginTaken},
          {"nobody", "Someone", "USER", kNoAddress},
          {"gone@pool.test", "Someone", "DELETE", Error("There Is No Player To Delete")}}) {
        const std::string shown = R"(<input type="text" name="USEREMAIL" size="20" maxlength="40" value=")" +
                                  std::string(email) + "\">";
        CgiAnswer add = pool.AddUser(email, name, "pw1", status);
        EXPECT_EQ(Missing(add, {"<!-- adminmiddle -->", kRedFont, line, shown}), Lines{}) << email << name;
        EXPECT_FALSE(add.HasLine(kUpdated));
    }
    pool.Admin("VIEWUSERS");  // compacts the user file
    EXPECT_TRUE(pool.UserFile() == users);
    EXPECT_TRUE(pool.Submit(edit, kRowForm, {{"USERREALNAME", " ann lee"}, {"USERPASSWORD", "new"}}).HasLine(kUpdated));
    std::string after = pool.UserFile();
    EXPECT_TRUE(after == users.substr(0, kUserRecordLength) + users.substr(2 * kUserRecordLength) +
                    Bytes("ANN@POOL.TEST", "NEW", "ANN LEE", "USER", StampOf(after, 4)));
    EXPECT_TRUE(pool.Login(kAnn, "new").HasLine("Welcome! ANN LEE<br>"));
    pool.Submit(pool.OpenEdit("BOB RAY"), kRowForm, {{"USERSTATUS", "DELETE"}});
    EXPECT_EQ(pool.Users(), (Lines{"BOSS@POOL.TEST/ADMINISTRATOR", "DEE@POOL.TEST/ADMINISTRATOR",
                                   "ANN@POOL.TEST/USER"}));
}

// A second administrator whose record comes after the player he types in
// stays himself: the request is his, and his next click still works.
TEST(UserEditCycle, SecondAdministratorAddsAndEditsPlayersBeforeHim) {
    EditPool pool;
    CgiAnswer done = pool.Submit(pool.OpenEdit("ANN LEE", "dee@pool.test", "pw3"), kRowForm,
                                 {{"USERREALNAME", "Ann Smith"}});
    EXPECT_TRUE(done.HasLine(kUpdated) && done.Hidden("IAX") == Scrambled("PW3"));
    EXPECT_TRUE(pool.UserFile().ends_with(
        Bytes("ANN@POOL.TEST", "PW1", "ANN SMITH", "USER", StampOf(pool.UserFile(), 4))));
    std::string users = pool.UserFile();
    done = pool.Submit(pool.Act("ADDUSER", "dee@pool.test", "pw3"), kRowForm,
                       {{"USEREMAIL", "bob@pool.test"}, {"USERREALNAME", "Robert"}, {"USERPASSWORD", "pw2"}});
    EXPECT_TRUE(done.HasLine(kLoginTaken) && pool.UserFile() == users);  // Bob's own
    EXPECT_TRUE(pool.Submit(done, kReturnForm).HasLine("<!-- AdminMainMenu -->"));
}

// An edit row that does not name its player (a page opened before rows did)
// is refused while he is live, and replaces him once he is marked deleted.
TEST(UserEditCycle, UnnamedRowReplacesOnlyADeletedPlayer) {
    EditPool pool;
    Fields unnamed = FormFields(pool.OpenEdit("ANN LEE"), kRowForm, {});
    std::erase_if(unnamed, [](const auto& field) { return field.first == "EDITEDUSER"; });
    CgiAnswer old = pool.Post(unnamed);
    EXPECT_TRUE(old.HasLine(kTaken) && !old.HasLine(kUpdated));
    pool.WriteUsers({"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR", "ANN@POOL.TEST/ANN LEE/PW1/DELETE",
                     "BOB@POOL.TEST/BOB RAY/PW2/USER"});
    EXPECT_TRUE(pool.Post(unnamed).HasLine(kUpdated));
    EXPECT_EQ(pool.Users(), (Lines{"BOSS@POOL.TEST/ADMINISTRATOR", "BOB@POOL.TEST/USER", "ANN@POOL.TEST/USER"}));
    EXPECT_TRUE(pool.Login(kAnn, "pw1").HasLine("Welcome! ANN LEE<br>"));
}

}  // namespace
