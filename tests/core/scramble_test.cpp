#include <gtest/gtest.h>

#include "core/scramble.h"
#include "support/run_folder.h"

// The scrambled form itself is checked where pages carry the login fields.
TEST(ScrambleValue, EveryByteComesBackAndCodesThatAreNotDigitsAreRefused) {
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(ScrambleValue(ScrambleValue(all)), all);
    EXPECT_EQ(FailureOf([] { ScrambleValue("*B*:b-"); }), kTypeMismatch);
}
