#include <gtest/gtest.h>

#include "support/admin_pool.h"
#include "core/text.h"

TEST(ActivityLogPage, ShowsRecordsNewestFirstWithoutRawAngleBrackets) {
    AdminPool pool;
    pool.Act("VIEWPLAYERS", "<b>" + std::string(90, 'x') + "@example.test", "pw");
    CgiAnswer page = pool.Admin("ACTIVITYLOG");
    std::string log = pool.Read("zrp.log");
    ASSERT_EQ(log.size() % 120, 0u);
    std::vector<std::string> expected;
    for (size_t n = log.size() / 120; n > 0; --n) expected.push_back(ReplaceAll(log.substr((n - 1) * 120, 120), "<", "&lt;"));
    std::vector<std::string> shown = TextAreaLines(page);
    EXPECT_EQ(shown, expected);
    ASSERT_GE(shown.size(), 2u);
    EXPECT_TRUE(StartsWith(shown[0], "0.99 - Build 9.6.2,10.1.2.3, Action=ACTIVITYLOG "));
    EXPECT_TRUE(Contains(shown[1], "Action=VIEWPLAYERS") && Contains(shown[1], " &lt;b>xxx"));
}

TEST(ActivityLogPage, ShowsOnlyTheNewest900Records) {
    AdminPool pool;
    auto record = [](int i) { std::string t = "record " + std::to_string(i); return t + std::string(120 - t.size(), ' '); };
    std::string log;
    for (int i = 0; i < 1000; ++i) log += record(i);
    pool.Write("zrp.log", log);
    std::vector<std::string> shown = TextAreaLines(pool.Admin("ACTIVITYLOG"));
    ASSERT_EQ(shown.size(), 900u);
    EXPECT_EQ(shown[1], record(999));
    EXPECT_EQ(shown[899], record(101));
}
