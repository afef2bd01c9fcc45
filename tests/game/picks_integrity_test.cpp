// What one player sends with his picks can never touch another player's
// record, menu or score, nor stop the scoring run; a player's own saved
// picks stay, or are replaced whole where changes are allowed.
#include <gtest/gtest.h>

#include <cstdio>

#include "game/sheet_expect.h"
#include "support/admin_pool.h"

namespace {

// Two periods of the same three games.
const std::string kSeason = kWeek1 + "WEEK2\r\nAlpha at Beta\r\nGamma at Delta\r\nEpsilon at Zeta\r\n";
const std::string kAlice = "alice@pool.test", kBob = "bob@pool.test", kMallory = "mallory@pool.test";

const std::string kBadPicks =
    Notice("Your picks were not saved: they do not match the games of this period. Please make them again.");
const std::string kBadGuess =
    Notice("Your picks were not saved: the tie breaker score must be empty or a number of up to 3 digits.");
const std::string kError62 = "<PRE>Input past end of file Error Number =  62</PRE>";
const std::string kChangeButton = R"(<input type="submit" name="Submit" value="Change My Picks">)";
const std::string kAlreadySavedMayChange = Notice(
    "Your picks for Period 1 were already saved and were not changed; to change them, view them and press "
    "Change My Picks.");
const std::string kFinal = Notice("Your picks for Period 1 were not changed: saved picks are final.");

// The red lines of a main menu (none for a page that is no main menu).
Lines MenuNotices(const CgiAnswer& page) {
    const std::string start = Notice("").substr(0, Notice("").find("<b>") + 3);
    Lines notices;
    for (const std::string& line : page.Lines())
        if (line.starts_with(start)) notices.push_back(line);
    return page.HasLine("<!-- MainMenu -->") ? notices : Lines{"no main menu"};
}

struct PicksIntegrity : ::testing::Test {
    AdminPool pool;
    PicksIntegrity() { Open(pool, kSeason, {{kAlice, "Alice A"}, {kBob, "Bob"}, {kMallory, "Mallory"}}); }
    CgiAnswer Save(const std::string& email, const std::string& uwp, const std::string& guess) const {
        return pool.Act("USERPICS2", email, "pw", {{"LINENUMBER", "3"}, {"UWP", uwp}, {"TIEBREAKER", guess}});
    }
};

TEST_F(PicksIntegrity, ASaveTakesOnlyWhatTheSheetCanSend) {
    for (auto [uwp, guess] : {std::pair{"0115", "7"}, {"0\r\nBOB\r\n1", "7"}, {"051", "1234"}, {"051", "2\r\n7"}}) {
        CgiAnswer answer = Save(kMallory, uwp, guess);
        EXPECT_TRUE(answer.HasLine("<!-- MainMenu -->") && answer.HasLine(*guess == '7' ? kBadPicks : kBadGuess))
            << uwp << "/" << guess;
        EXPECT_FALSE(pool.Exists("ZRPpicks1_.dat")) << uwp << "/" << guess;
    }
    // What a browser sends is stored as typed, the guess trimmed; the menu
    // then says nothing more.
    EXPECT_FALSE(Save(kAlice, "051", " 007 ").HasLine(kBadGuess));
    Save(kBob, "111", "");
    Save(kMallory, "550", "42");
    EXPECT_EQ(pool.Read("ZRPpicks1_.dat"), "ALICE A\r\n051\r\n007\r\nBOB\r\n111\r\n\r\nMALLORY\r\n550\r\n42\r\n");
}

TEST_F(PicksIntegrity, PicksLongerThanAHundredNeverLockTheirOwnerOut) {
    std::string season = "WEEK1\r\n";
    for (int g = 1; g <= 101; ++g) season += "T" + std::to_string(g) + " at U" + std::to_string(g) + "\r\n";
    pool.Write("zrp.cfg", season);
    EXPECT_TRUE(pool.Act("USERPICS2", kAlice, "pw", {{"UWP", std::string(101, '0')}, {"TIEBREAKER", "1"}})
                    .HasLine(kBadPicks));
    // Such a record stored earlier: the menu and the view show what a sheet can.
    pool.Write("zrp.cfg", kSeason);
    pool.Write("ZRPpicks1_.dat", "ALICE A\r\n" + std::string(150, '1') + "\r\n7\r\n");
    EXPECT_TRUE(pool.Login(kAlice, "pw").HasLine("          <b>Team Selection Completed - View</b><br>"));
    EXPECT_EQ(pool.Act("VIEWUSERPICKS", kAlice, "pw").Between(kSheetTable, "</table>"),
              Sheet(kTeams, "111", "7", false));
}

// Values the sheet cannot take show it again, with the choices kept when
// only the guess is wrong.
TEST_F(PicksIntegrity, PicksNotTakenShowWhy) {
    CgiAnswer sheet =
        pool.Act("USERPICS1", kAlice, "pw", {{"LINENUMBER", "3"}, {"C1", "0"}, {"C3", "1"}, {"TIEBREAKER", "1,2"}});
    EXPECT_TRUE(sheet.HasLine("<!-- ThisWeeksPicks -->") && sheet.HasLine(kBadGuess));
    EXPECT_EQ(sheet.Between(kSheetTable, "</table>"), Sheet(kTeams, "051", "1&#44;2", true));
    EXPECT_EQ(sheet.Hidden("ACTION"), "USERPICS1");
    // Picks that are no sheet's are dropped: a fresh sheet.
    CgiAnswer fresh = pool.Act("USERPICS1", kAlice, "pw", {{"LINENUMBER", "2"}, {"C1", "0"}, {"TIEBREAKER", "3"}});
    EXPECT_TRUE(fresh.HasLine(kBadPicks));
    EXPECT_EQ(fresh.Between(kSheetTable, "</table>"), Sheet(kTeams, "", "3", true));
}

// The pages a browser follows, and the administrator's picks policy.
struct SavedPicks : PicksIntegrity {
    CgiAnswer Act(const std::string& email, const std::string& action) const { return pool.Act(action, email, "pw"); }
    // Sends what the browser sends for the page's form that posts action.
    CgiAnswer Follow(const CgiAnswer& page, const std::string& action, const Fields& typed = {}) const {
        Fields form = FormFields(page, action);
        EXPECT_FALSE(form.empty()) << "no form for " << action;
        form.insert(form.end(), typed.begin(), typed.end());
        return pool.Post(form);
    }
    // The sheet sent with the teams of picks chosen ('0' or '1'; another
    // character leaves the game open) and the guess typed.
    CgiAnswer Pick(const CgiAnswer& sheet, const std::string& picks, const std::string& guess) const {
        Fields typed = {{"TIEBREAKER", guess}};
        for (size_t g = 0; g < picks.size(); ++g)
            if (picks[g] == '0' || picks[g] == '1') typed.push_back({"C" + std::to_string(g + 1), {picks[g]}});
        return Follow(sheet, "USERPICS1", typed);
    }
    void ChoosePicksPolicy(const std::string& policy) const {
        Follow(pool.Admin("NEWUSER"), "SETUSERSTATUS", {{"NEWUSER", "ALLOWALL"}, {"PICKSPOLICY", policy}});
    }
    std::string Picks() const { return pool.Read("ZRPpicks1_.dat"); }
};

// Tab 1 saves, tab 2 changes from the view page, tab 1's old confirmation
// comes back, then tab 1's sheet is confirmed anew.
TEST_F(SavedPicks, AChangeReplacesTheRecordWholeAndAnOldConfirmationNeverComesBack) {
    ChoosePicksPolicy("CHANGE");
    Save(kBob, "100", "9");
    CgiAnswer sheet1 = Act(kAlice, "THISWEEK");
    CgiAnswer confirm1 = Pick(sheet1, "011", "27");
    Follow(confirm1, "USERPICS2");
    Save(kMallory, "111", "1");

    CgiAnswer confirm2 = Pick(Follow(Act(kAlice, "VIEWUSERPICKS"), "THISWEEK"), "150", "31");
    EXPECT_TRUE(FormFields(confirm2, "USERPICS2").empty());
    EXPECT_EQ(MenuNotices(Follow(confirm2, "CHANGEPICKS")), Lines{});
    EXPECT_EQ(Picks(), "BOB\r\n100\r\n9\r\nALICE A\r\n150\r\n31\r\nMALLORY\r\n111\r\n1\r\n");

    EXPECT_EQ(MenuNotices(Follow(confirm1, "USERPICS2")), Lines{kAlreadySavedMayChange});
    EXPECT_EQ(Picks(), "BOB\r\n100\r\n9\r\nALICE A\r\n150\r\n31\r\nMALLORY\r\n111\r\n1\r\n");
    Follow(Pick(sheet1, "000", ""), "CHANGEPICKS");
    EXPECT_EQ(Picks(), "BOB\r\n100\r\n9\r\nALICE A\r\n000\r\n\r\nMALLORY\r\n111\r\n1\r\n");
}

// A confirmation kept open while its period is scored is not saved into the
// next period, whose games it never showed; nor is a change.
TEST_F(SavedPicks, AConfirmationOfAnEarlierPeriodIsNotSavedIntoTheOpenOne) {
    ChoosePicksPolicy("CHANGE");
    Follow(Pick(Act(kAlice, "THISWEEK"), "011", "27"), "USERPICS2");
    CgiAnswer change = Pick(Follow(Act(kAlice, "VIEWUSERPICKS"), "THISWEEK"), "100", "5");
    CgiAnswer first = Pick(Act(kBob, "THISWEEK"), "110", "3");
    pool.Write("ZRPweek.dat", "2\r\n1\r\n2\r\n");
    const Lines stale = {
        Notice("Your picks for Period 1 were not saved: Period 2 is open now. Please make them again.")};
    EXPECT_EQ(MenuNotices(Follow(first, "USERPICS2")), stale);
    EXPECT_EQ(MenuNotices(Follow(change, "CHANGEPICKS")), stale);
    EXPECT_FALSE(pool.Exists("ZRPpicks2_.dat"));
    EXPECT_EQ(Picks(), "ALICE A\r\n011\r\n27\r\n");
}

// A change confirmed before the lock-out, the pool's end or the return to
// final picks is not taken after it, and the menu says why: the saved picks
// stand, not changed.
TEST_F(SavedPicks, NothingChangesOnceTheLockOutPassesThePoolEndsOrPicksAreFinal) {
    ChoosePicksPolicy("CHANGE");
    Follow(Pick(Act(kAlice, "THISWEEK"), "011", "27"), "USERPICS2");
    CgiAnswer confirm = Pick(Follow(Act(kAlice, "VIEWUSERPICKS"), "THISWEEK"), "100", "5");

    pool.Write("ZRP__LockDateTime.txt", "01\r\n02\r\n2020\r\n10\r\n00\r\n");
    EXPECT_FALSE(Act(kAlice, "VIEWUSERPICKS").HasLine(kChangeButton));
    EXPECT_EQ(MenuNotices(Follow(confirm, "CHANGEPICKS")),
              Lines{Notice("Your picks were not changed because the game is locked.")});
    EXPECT_EQ(MenuNotices(Save(kBob, "100", "9")),
              Lines{Notice("Your picks were not saved because the game is locked.")});
    std::remove(pool.PathOf("ZRP__LockDateTime.txt").c_str());

    ChoosePicksPolicy("FINAL");
    EXPECT_EQ(pool.Read("ZRP__PicksPolicy.txt"), "FINAL\r\n");
    EXPECT_EQ(MenuNotices(Follow(confirm, "CHANGEPICKS")), Lines{kFinal});
    ChoosePicksPolicy("CHANGE");

    pool.Write("ZRPweek.dat", "3\r\n1\r\n2\r\n");
    EXPECT_FALSE(Act(kAlice, "VIEWUSERPICKS").HasLine(kChangeButton));
    EXPECT_EQ(MenuNotices(Follow(confirm, "CHANGEPICKS")),
              Lines{Notice("Your picks were not changed because the pool has ended.")});
    EXPECT_EQ(MenuNotices(Save(kBob, "100", "9")),
              Lines{Notice("Your picks were not saved because the pool has ended.")});
    EXPECT_EQ(Picks(), "ALICE A\r\n011\r\n27\r\n");
}

// A save killed half-way leaves its record cut short at the end of the file:
// every reader passes over it as if it were not there, and the next save
// cuts it off before adding its own record.
TEST_F(PicksIntegrity, ARecordCutShortAtTheEndIsNoRecord) {
    const std::string whole = "BOB\r\n100\r\n9\r\n", sheetEntry = "          <b>This Weeks Game</b><br>";
    for (const std::string torn : {"ALICE A\r\n01", "ALICE A\r\n011\r\n2"}) {
        pool.Write("ZRPpicks1_.dat", whole + torn);
        CgiAnswer menu = pool.Login(kAlice, "pw");
        EXPECT_TRUE(menu.HasLine(sheetEntry) && !menu.HasLine(kError62)) << torn;
        EXPECT_TRUE(Save(kMallory, "001", "5").HasLine("<!-- MainMenu -->")) << torn;
        EXPECT_EQ(pool.Read("ZRPpicks1_.dat"), whole + "MALLORY\r\n001\r\n5\r\n") << torn;
    }
}

}  // namespace
