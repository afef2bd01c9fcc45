#include <gtest/gtest.h>

#include "users/users_pool.h"

namespace {

const std::string kChoiceForm = R"(    <td width="50%" valign="middle"><FORM NAME="form1")";
const std::string kRowForm = R"(    <td width="174"><FORM NAME="form1")";
const std::string kReturnForm = "<FORM METHOD=\"POST\"";
const std::string kUpdated = "Database Has Been Updated.<br><br>";
const std::string kRedFont = "<font face=" + kFace + R"( size="2" color="#FF0000">)";
const std::string kBlank = "<i>Error : Real Name Is Blank - Nothing Was Stored</i><br></font>";
const std::string kTaken = "<i>Error : Another Player Already Has This Real Name - Nothing Was Stored</i><br></font>";
const std::string kLoginTaken =
    "<i>Error : Another Player Already Has This Email Address And Password - Nothing Was Stored</i><br></font>";
const std::string kNoAddress = "<i>Error : Email Address Has No @ - Nothing Was Stored</i><br></font>";
const std::string kNobodyToDelete = "<i>Error : There Is No Player To Delete - Nothing Was Stored</i><br></font>";
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
    std::string Record(int number) const {
        return UserFile().substr((number - 1) * kUserRecordLength, kUserRecordLength);
    }
};

// Opening an edit page, or several, and leaving it (with "Abandon Edit" or
// without a word) loses nothing; so does a blank real name or one that another
// player has (in any case, blanks around), typed on the edit page, which shows
// again, or on the add page, which shows the row again as typed. The values
// submitted replace the player's record, upper-cased, at the end of the file,
// his own name kept; "DELETE" removes him.
TEST(UserEditCycle, EditPagesLoseNothingUntilSubmittedThenReplaceOrDelete) {
    EditPool pool;
    std::string users = pool.UserFile();
    CgiAnswer edit = pool.OpenEdit("ANN LEE");
    EXPECT_TRUE(edit.HasLine(R"(<input type="text" name="USEREMAIL" size="20" maxlength="40" value="ANN@POOL.TEST">)"));
    EXPECT_TRUE(pool.Submit(pool.OpenEdit("BOB RAY"), kReturnForm).HasLine("<!-- AdminMainMenu -->"));
    for (auto [name, line] : {std::pair{"", kBlank}, {"Bob Ray  ", kTaken}}) {
        CgiAnswer again = pool.Submit(edit, kRowForm, {{"USERREALNAME", name}});
        EXPECT_EQ(Missing(again, {kEditHeading, kRedFont, line}), Lines{}) << name;
        EXPECT_EQ(again.Hidden("EDITEDUSER"), "ANN LEE");
    }
    const std::string typed = R"(<input type="text" name="USEREMAIL" size="20" maxlength="40" value="new@pool.test">)";
    for (auto [name, line] : {std::pair{"  ", kBlank}, {" ann lee ", kTaken}, {"BIG BOSS", kTaken}})
        EXPECT_EQ(Missing(pool.AddUser("new@pool.test", name, "np"), {"<!-- adminmiddle -->", kRedFont, line, typed}),
                  Lines{}) << name;
    pool.Admin("VIEWUSERS");  // compacts the user file
    EXPECT_TRUE(pool.UserFile() == users);
    EXPECT_TRUE(pool.Submit(edit, kRowForm, {{"USERREALNAME", " ann lee"}, {"USERPASSWORD", "new"}}).HasLine(kUpdated));
    EXPECT_EQ(pool.Users(), (Lines{"BOSS@POOL.TEST/ADMINISTRATOR", "BOB@POOL.TEST/USER",
                                   "DEE@POOL.TEST/ADMINISTRATOR", "ANN@POOL.TEST/USER"}));
    EXPECT_TRUE(pool.Record(4) == Bytes("ANN@POOL.TEST", "NEW", "ANN LEE", "USER", StampOf(pool.UserFile(), 4)));
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
    EXPECT_TRUE(pool.Record(4) == Bytes("ANN@POOL.TEST", "PW1", "ANN SMITH", "USER", StampOf(pool.UserFile(), 4)));
    std::string users = pool.UserFile();
    CgiAnswer add = pool.Act("ADDUSER", "dee@pool.test", "pw3");
    done = pool.Submit(add, kRowForm,
                       {{"USEREMAIL", "bob@pool.test"}, {"USERREALNAME", "Robert"}, {"USERPASSWORD", "pw2"}});
    EXPECT_TRUE(done.HasLine(kLoginTaken) && !done.HasLine(kUpdated) && pool.UserFile() == users);  // Bob's own
    EXPECT_TRUE(pool.Submit(done, kReturnForm).HasLine("<!-- AdminMainMenu -->"));
}

// A row that would store nothing, or lose the player it edits, is refused
// with the reason and stores nothing: an edit or an addition with the e-mail
// address and password of another live player, an address without "@", an
// addition marked DELETE, an edit row that does not name its player while
// he is live. "Database Has Been Updated." comes only with a changed user file.
TEST(UserEditCycle, RowsThatWouldStoreNothingOrLoseTheirPlayerAreRefused) {
    EditPool pool;
    std::string users = pool.UserFile();
    CgiAnswer edit = pool.OpenEdit("ANN LEE");
    for (auto [typed, line] : {std::pair{Fields{{"USEREMAIL", "bob@pool.test"}, {"USERPASSWORD", "pw2"}}, kLoginTaken},
                               {Fields{{"USEREMAIL", "ann.pool.test"}}, kNoAddress}}) {
        CgiAnswer again = pool.Submit(edit, kRowForm, typed);
        EXPECT_EQ(Missing(again, {kEditHeading, kRedFont, line}), Lines{}) << line;
        EXPECT_FALSE(again.HasLine(kUpdated));
    }
    Fields unnamed = FormFields(edit, kRowForm, {});
    std::erase_if(unnamed, [](const auto& field) { return field.first == "EDITEDUSER"; });
    CgiAnswer old = pool.Post(unnamed);
    EXPECT_TRUE(old.HasLine(kTaken) && !old.HasLine(kUpdated));
    for (auto [email, status, line] : {std::tuple{"ann@pool.test", "USER", kLoginTaken},
                                       {"nobody", "USER", kNoAddress}, {"gone@pool.test", "DELETE", kNobodyToDelete}}) {
        CgiAnswer add = pool.AddUser(email, "Someone New", "pw1", status);
        EXPECT_EQ(Missing(add, {"<!-- adminmiddle -->", kRedFont, line}), Lines{}) << email;
        EXPECT_FALSE(add.HasLine(kUpdated));
    }
    EXPECT_TRUE(pool.UserFile() == users);

    // A page opened before rows named their player had marked him deleted:
    // its row replaces him, as it was meant to.
    pool.WriteUsers({"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR", "ANN@POOL.TEST/ANN LEE/PW1/DELETE",
                     "BOB@POOL.TEST/BOB RAY/PW2/USER"});
    EXPECT_TRUE(pool.Post(unnamed).HasLine(kUpdated));
    EXPECT_EQ(pool.Users(), (Lines{"BOSS@POOL.TEST/ADMINISTRATOR", "BOB@POOL.TEST/USER", "ANN@POOL.TEST/USER"}));
    EXPECT_TRUE(pool.Login(kAnn, "pw1").HasLine("Welcome! ANN LEE<br>"));
}

}  // namespace
