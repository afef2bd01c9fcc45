#include <gtest/gtest.h>

#include "cgi/failure.h"
#include "cgi/in_process.h"
#include "core/request_state.h"
#include "core/run.h"
#include "support/cgi_pool.h"

TEST(ScrambleValue, WritesCodesShiftedByOneBehindTheMarker) {
    EXPECT_EQ(ScrambleValue("abc"), "*B*:8-:9-::-");
    EXPECT_EQ(ScrambleValue(""), "*B*");
    EXPECT_EQ(ScrambleValue("*B*:8-:9-::-"), "abc");
    EXPECT_EQ(ScrambleValue("*B*1176-:9-ignored"), "Ab");
}

TEST(ScrambleValue, UnscramblingRestoresEveryByte) {
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    std::string scrambled = ScrambleValue(all);
    EXPECT_EQ(scrambled.substr(0, 3), "*B*");
    EXPECT_EQ(ScrambleValue(scrambled), all);
}

TEST(ScrambleValue, CodesThatAreNotDigitsAreATypeMismatch) {
    EXPECT_EQ(FailureOf([] { ScrambleValue("*B*:b-"); }), kTypeMismatch);
    EXPECT_EQ(FailureOf([] { ScrambleValue("*B*--"); }), kTypeMismatch);
}

TEST(GetData, LoginFieldsAreEscapedPlainValues) {
    InProcessRun run;
    SetForm("ACTION=LOGIN&NNAME=ann%40x.test&PASS=a%3Cb");
    GetData();
    EXPECT_EQ(R().CurrentRoutine, "GetData");
    EXPECT_EQ(R().Action, "LOGIN");
    EXPECT_EQ(R().LoginEmail, "ann@x.test");
    EXPECT_EQ(R().LoginPassword, "a&#60;b");
}

TEST(GetData, BlankLoginNameFallsBackToTheUnscrambledHiddenFields) {
    InProcessRun run;
    SetForm("ACTION=THISWEEK&NNAME=+++&PASS=typed&XAI=" + Scrambled("ann@x.test") + "&IAX=" + Scrambled("a<b"));
    GetData();
    EXPECT_EQ(R().LoginEmail, "ann@x.test");
    EXPECT_EQ(R().LoginPassword, "a<b");
}

TEST(GetData, PicksMissingOnTheSheetBecomeNoChoice) {
    InProcessRun run;
    SetForm("ACTION=USERPICS1&XAI=" + Scrambled("a") + "&IAX=" + Scrambled("b") +
            "&LINENUMBER=+3+&C1=0&C3=1&C4=0&TIEBREAKER=31&UWP=010&USERREALNAME=Ann+%26+Bob");
    GetData();
    EXPECT_EQ(R().LineNumber, 3);
    EXPECT_EQ(R().Picks[1], "0");
    EXPECT_EQ(R().Picks[2], "5");
    EXPECT_EQ(R().Picks[3], "1");
    EXPECT_EQ(R().Picks[4], "");
    EXPECT_EQ(R().TieBreaker, "31");
    EXPECT_EQ(R().Uwp, "010");
    EXPECT_EQ(R().UserRealNameField, "Ann &#38; Bob");
}
