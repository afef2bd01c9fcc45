#include <gtest/gtest.h>

#include "core/scramble.h"
#include "support/run_folder.h"

// The scrambled form itself is checked where pages carry the login fields.
TEST(ScrambleValue, EveryByteComesBackAndCodesThatAreNotDigitsOfAByteAreRefused) {
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(ScrambleValue(ScrambleValue(all)), all);
    EXPECT_EQ(FailureOf([] { ScrambleValue("*B*:b-"); }), kTypeMismatch);
    // Each code is shifted up by one: "1111" is 0000, "366" 255, "367" 256.
    EXPECT_EQ(ScrambleValue("*B*1111-11113-366-"), std::string("\0\2\xFF", 3));
    for (const char* tooBig : {"*B*367-", "*B*2112-", "*B*11367-"})
        EXPECT_EQ(FailureOf([&] { ScrambleValue(tooBig); }), kInvalidCall) << tooBig;
}
