#include <gtest/gtest.h>

#include "core/clock.h"

TEST(DateStamps, PadTheirPlacesWithZerosButTheShortDate) {
    LocalTime t{2026, 1, 2, 3, 4, 5};
    EXPECT_EQ(DateTimeStamp(t), "01-02-2026 03:04:05");
    EXPECT_EQ(TimeHM(t), "03:04");
    EXPECT_EQ(ShortDate(t), "1/2/2026");
}
