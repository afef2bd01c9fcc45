#include <gtest/gtest.h>

#include "core/text.h"
#include "support/run_folder.h"

TEST(Val, TakesTheLeadingNumberAndCIntRoundsHalvesToEvenWithinSixteenBits) {
    EXPECT_EQ(Val("  42abc"), 42);
    EXPECT_EQ(Val("-3.25 points"), -3.25);
    EXPECT_EQ(Val("09-12-2004  Time: 13:00"), 9);
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(FailureOf([] { CInt(32767.5); }), kOverflow);
}

TEST(Trimm, CutsBlanksBothEndsAndControlCharactersOnlyAtTheEnd) {
    EXPECT_EQ(Trimm("  text \r\n  \r\n"), "text");
    EXPECT_EQ(R().CurrentRoutine, "Trimm");
    EXPECT_EQ(Trimm("\tindented\t"), "\tindented");
}
