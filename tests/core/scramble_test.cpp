#include <gtest/gtest.h>

#include "core/scramble.h"
#include "support/run_folder.h"

TEST(ScrambleValue, ScramblesUnscramblesAndRefusesCodesThatAreNotDigits) {
    EXPECT_EQ(ScrambleValue("abc"), "*B*:8-:9-::-");
    EXPECT_EQ(ScrambleValue("*B*:8-:9-::-"), "abc");
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(ScrambleValue(ScrambleValue(all)), all);
    EXPECT_EQ(FailureOf([] { ScrambleValue("*B*:b-"); }), kTypeMismatch);
}
