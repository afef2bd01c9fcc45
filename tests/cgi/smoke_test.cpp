#include <gtest/gtest.h>

#include "support/cgi_pool.h"

TEST(Smoke, FirstVisitAnswersWithAPage) {
    Pool pool;
    CgiAnswer answer = pool.Get();
    EXPECT_EQ(answer.Errors, "");
    EXPECT_TRUE(answer.HasLine("Status: 200 OK")) << answer.Bytes;
}
