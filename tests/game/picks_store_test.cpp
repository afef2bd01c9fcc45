#include "game/picks_store.h"

#include "core/paths.h"
#include "game/unit_folder.h"

namespace {

using GamePicksStore = GameUnitFolder;

TEST_F(GamePicksStore, FirstRecordIsFoundWithoutRegardToCaseOrBlanks) {
    Write("ZRPpicks1_.dat", "MARY SMITH\r\n0101\r\n12\r\nMary Smith\r\n1111\r\n40\r\n");
    R().CurrentWeek = "1";
    R().CurrentUserRealName = "Mary Smith ";
    ASSERT_TRUE(LoadUserPicks());
    EXPECT_EQ(R().Picks[1] + R().Picks[2] + R().Picks[3] + R().Picks[4], "0101");
    EXPECT_EQ(R().TieBreaker, "12");
    EXPECT_EQ(WhatDidTheUserSelectForTieBreakerScore(" mary smith"), "12");
    R().CurrentUserRealName = "Mary Smit";
    EXPECT_FALSE(LoadUserPicks());
    R().CurrentWeek = "2";
    EXPECT_FALSE(LoadUserPicks());
    EXPECT_EQ(HowManyWinnersDoesTheUserHave("MARY SMITH"), 9999);
    EXPECT_EQ(WhatDidTheUserSelectForTieBreakerScore("MARY SMITH"), "");
}

TEST_F(GamePicksStore, CorrectPicksCountOnlyThePlayersOwnPositions) {
    Write("ZRPpicks1_.dat", "A\r\n0105\r\n1\r\nB\r\n01\r\n2\r\nC\r\n011511\r\n3\r\n");
    R().Uwp = "0115";
    PicksFile picks(PicksFilePath("1"));
    EXPECT_EQ(CountCorrectPicks(picks, "A"), 3);
    EXPECT_EQ(R().LineNumber, 4);
    EXPECT_EQ(CountCorrectPicks(picks, "B"), 2);
    EXPECT_EQ(R().LineNumber, 2);
    EXPECT_EQ(CountCorrectPicks(picks, "C"), 4);
    EXPECT_EQ(R().LineNumber, 6);
    EXPECT_EQ(CountCorrectPicks(picks, "D"), 9999);
}

TEST_F(GamePicksStore, PicksFromArrayStopsAtTheFirstEmptyPlace) {
    R().Picks[1] = "1";
    R().Picks[2] = "5";
    R().Picks[3] = " ";
    R().Picks[4] = "0";
    R().LineNumber = 4;
    EXPECT_EQ(PicksFromArray(), "15");
    R().LineNumber = 0;
    EXPECT_EQ(PicksFromArray(), "");
    R().Picks[3] = "0";
    R().LineNumber = 3;
    EXPECT_EQ(PicksFromArray(), "150");
}

}  // namespace
