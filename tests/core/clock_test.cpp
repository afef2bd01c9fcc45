#include <gtest/gtest.h>

#include <cstdio>

#include "core/clock.h"

static std::string Printed(const char* pattern, int a, int b, int c) {
    char buf[64];
    snprintf(buf, sizeof buf, pattern, a, b, c);
    return buf;
}

// The stamps are printf's "%02d-%02d-%04d", "%02d:%02d:%02d" and "%d/%d/%04d",
// also for numbers wider than their places and below zero.
TEST(DateStamps, WriteTheNumbersAsPrintfDoes) {
    for (int a : {0, 1, 9, 10, 59, 99, 100, 12345, -1, -10, -123})
        for (int b : {0, 7, 31, -5})
            for (int c : {0, 7, 999, 1000, 2026, 10000, -1, -999, -1000}) {
                LocalTime t{c, a, b, a, b, c};
                EXPECT_EQ(DateMDY(t), Printed("%02d-%02d-%04d", a, b, c));
                EXPECT_EQ(TimeHMS(t), Printed("%02d:%02d:%02d", a, b, c));
                EXPECT_EQ(ShortDate(t), Printed("%d/%d/%04d", a, b, c));
            }
    EXPECT_EQ(TimeHM({2026, 1, 2, 3, 4, 5}), "03:04");
}
