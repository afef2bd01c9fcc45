// Scoring a period and undoing the last scoring run through the
// administrator's pages: the pool goes back byte for byte, and pages sent
// again after it change nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/text.h"
#include "game/sheet_expect.h"
#include "support/admin_pool.h"

namespace {

const std::string kPassedLock = "01\r\n01\r\n2001\r\n00\r\n00\r\n";

const std::string kNothingToUndo = Notice("There Is No Scoring Run To Undo - Nothing Was Changed!");

struct UndoPool : AdminPool {
    UndoPool() {
        Write("zrp.cfg", kWeek1 + "WEEK2\r\nBeta at Gamma\r\nDelta at Alpha\r\nWEEK3\r\nZeta at Eta\r\n");
        AddUser(kAnn, "Ann Lee", "pw");
        AddUser(kBob, "Bob Ray", "pw");
    }
    void Picks(const std::string& email, const std::string& picks, const std::string& guess) const {
        Act("USERPICS2", email, "pw",
            {{"LINENUMBER", std::to_string(picks.size())}, {"UWP", picks}, {"TIEBREAKER", guess}});
    }
    // The form of the winners' confirmation page that the entry sheet brings up.
    Fields WinnersConfirmation(const std::string& winners, const std::string& score) const {
        Fields sheet = {{"LINENUMBER", std::to_string(winners.size())}, {"TIEBREAKER", score}};
        for (size_t i = 0; i < winners.size(); ++i)
            sheet.push_back({"C" + std::to_string(i + 1), winners.substr(i, 1)});
        return FormFields(Admin("ENTERWINNERS2", sheet), "ENTERWINNERSFINAL");
    }
    void Score(const std::string& winners, const std::string& score) const {
        EXPECT_TRUE(Post(WinnersConfirmation(winners, score)).HasLine("<!-- AdminMainMenu -->"));
    }
    // The form of the undo's confirmation page.
    Fields UndoConfirmation() const { return FormFields(Admin("UNDOSCORING"), "UNDOSCORINGFINAL"); }
    // The data files with what the clock writes masked: the players' last
    // access and the stamp of the run that the undo file keeps.
    std::map<std::string, std::string> Unclocked() const {
        auto files = DataFiles();
        std::ranges::replace_if(
            files["ZRPform_user.dat"], [](char c) { return c >= '0' && c <= '9'; }, '#');
        if (files.contains("ZRP__undo.dat"))
            files["ZRP__undo.dat"].replace(0, files["ZRP__undo.dat"].find(' '), "STAMP");
        return files;
    }
};

// A wrong winner scored, undone and scored right leaves every file as if the
// wrong run had never happened; picks saved for the next period meanwhile stay.
TEST(ScoringUndo, WrongWinnerUndoneAndScoredRightIsAsIfOnlyTheRightRunHappened) {
    UndoPool wrong, right;
    for (UndoPool* pool : {&wrong, &right}) {
        pool->Picks(kAnn, "010", "30");
        pool->Picks(kBob, "011", "40");
        pool->Score("010", "35");
        pool->Picks(kAnn, "10", "21");
        pool->Picks(kBob, "01", "25");
        pool->Write("ZRP__LockDateTime.txt", kPassedLock);
    }
    auto unscored = wrong.Unclocked();
    wrong.Score("01", "30");
    wrong.Picks(kAnn, "1", "14");
    ASSERT_TRUE(wrong.Exists("ZRPpicks3_.dat"));
    CgiAnswer confirm = wrong.Admin("UNDOSCORING");
    EXPECT_TRUE(confirm.HasLine(R"(<input type="submit" name="Submit" value="Undo Scoring Of Period 2">)"));

    CgiAnswer undone = wrong.Post(FormFields(confirm, "UNDOSCORINGFINAL"));
    EXPECT_EQ(undone.Count(Notice("Scoring Of Period 2 Has Been Undone!")), 1u);
    EXPECT_TRUE(undone.HasLine(R"(      <font color="#FF0000"><b>GAME LOCKED  Date: 01-01-2001  Time: 00:00</b><br>)"));
    auto expected = unscored;
    expected.erase("ZRP__undo.dat");
    expected["ZRPpicks3_.dat"] = wrong.Read("ZRPpicks3_.dat");
    EXPECT_EQ(wrong.Unclocked(), expected);

    wrong.Score("10", "30");
    right.Score("10", "30");
    right.Picks(kAnn, "1", "14");
    EXPECT_EQ(wrong.Unclocked(), right.Unclocked());
}

// Nothing to undo, the undo's page sent again (Back), a page of a run that
// another has replaced, and files changed since the run: each is one line on
// the menu and changes nothing.
TEST(ScoringUndo, PagesSentAgainOrWithNothingToUndoChangeNothing) {
    UndoPool pool;
    auto files = pool.DataFiles();
    EXPECT_TRUE(pool.Admin("UNDOSCORING").HasLine(kNothingToUndo));
    EXPECT_TRUE(pool.Admin("UNDOSCORINGFINAL", {{"RUN", "1"}}).HasLine(kNothingToUndo));
    EXPECT_EQ(pool.DataFiles(), files);

    Fields winners = pool.WinnersConfirmation("010", "");
    pool.Post(winners);
    // What the run keeps: a head line (the run's stamp, the period), then for
    // each file it changed the lengths before and after it ("-" no file, "*"
    // whatever it holds later), its name, and those bytes.
    std::string kept = pool.Read("ZRP__undo.dat");
    std::string stamp = kept.substr(0, kept.find(' '));
    EXPECT_EQ(kept.substr(stamp.size()),
              " 1\r\n- 39 ZRPteams1_.dat\r\nAlpha,Beta\r\nGamma,Delta\r\nEpsilon,Zeta\r\n"
              "- 7 ZRPpicks1W_.dat\r\n010\r\n\r\n"
              "9 9 ZRPweek.dat\r\n1\r\n1\r\n3\r\n2\r\n1\r\n3\r\n"
              "- * ZRP__LockDateTime.txt\r\n");

    Fields undo = pool.UndoConfirmation();
    pool.Post(undo);
    EXPECT_EQ(pool.DataFiles(), files);
    EXPECT_TRUE(pool.Post(undo).HasLine(kNothingToUndo));
    EXPECT_EQ(pool.DataFiles(), files);

    // The winners' page again scores period 1, current again; the undo page of
    // the run undone then changes nothing, nor does the winners' page.
    pool.Post(winners);
    auto rescored = pool.DataFiles();
    EXPECT_TRUE(pool.Post(undo).HasLine(
        Notice("The Scoring Run This Page Names Is No Longer The Last - Nothing Was Changed!")));
    EXPECT_TRUE(pool.Post(winners).HasLine(Notice("Period 1 Has Already Been Scored - Nothing Was Changed!")));
    EXPECT_EQ(pool.DataFiles(), rescored);

    // A lock-out date for the next period keeps the undo; a week file changed
    // since the run ends it, and so does an undo file that cannot be read.
    pool.Admin("SETLOCKDATE", {{"MONTH", "01"}, {"DAY", "02"}, {"YEAR", "2030"}, {"HOUR", "10"}, {"MINUTE", "00"}});
    EXPECT_TRUE(pool.Admin("ADMIN").HasLine(MenuEntry("UNDOSCORING", "Undo Scoring Of Period 1")));
    Fields latest = pool.UndoConfirmation();
    pool.Write("ZRPweek.dat", "2\r\n1\r\n4\r\n");
    EXPECT_FALSE(Contains(pool.Admin("ADMIN").Bytes, "UNDOSCORING"));
    rescored = pool.DataFiles();
    EXPECT_TRUE(pool.Post(latest).HasLine(
        Notice("The Pool's Files Have Changed Since Period 1 Was Scored - Nothing Was Changed!")));
    EXPECT_EQ(pool.DataFiles(), rescored);
    pool.Write("ZRP__undo.dat", pool.Read("ZRP__undo.dat").substr(0, 30));
    EXPECT_TRUE(pool.Admin("UNDOSCORING").HasLine(kNothingToUndo));
}

}  // namespace
