#include <gtest/gtest.h>

#include <algorithm>

#include "admin/admin_pool.h"
#include "core/text.h"

namespace {

// The log's whole records, newest first, as the page must show them.
std::vector<std::string> ExpectedLogLines(const std::string& log, size_t limit) {
    std::vector<std::string> lines;
    for (size_t n = log.size() / 120; n > 0 && lines.size() < limit; --n)
        lines.push_back(ReplaceAll(log.substr((n - 1) * 120, 120), "<", "&lt;"));
    return lines;
}

std::string FixedWidthRecord(const std::string& text) { return text + std::string(120 - text.size(), ' '); }

}  // namespace

TEST(ActivityLogPage, ShowsRecordsNewestFirstWithoutRawAngleBrackets) {
    AdminPool pool;
    std::string longEmail = "<b>" + std::string(90, 'x') + "@example.test";
    pool.Act("VIEWPLAYERS", longEmail, "pw");
    CgiAnswer page = pool.Admin(" activitylog ");
    std::string log = pool.Read("zrp.log");
    ASSERT_EQ(log.size() % 120, 0u);

    std::vector<std::string> shown = TextAreaLines(page);
    EXPECT_EQ(shown, ExpectedLogLines(log, 900));
    ASSERT_GE(shown.size(), 2u);
    EXPECT_TRUE(StartsWith(shown[0], "0.99 - Build 9.6.2,10.1.2.3, Action= activitylog  "));
    EXPECT_TRUE(StartsWith(shown[1], "0.99 - Build 9.6.2,10.1.2.3, Action=VIEWPLAYERS "));
    EXPECT_TRUE(Contains(shown[1], " &lt;b>xxx"));
    EXPECT_EQ(ReplaceAll(shown[1], "&lt;", "<").size(), 120u);

    EXPECT_TRUE(page.HasLine("<br><i>Zarn Pool Activity Log</i><br>"));
    EXPECT_TRUE(page.HasLine("<!-- AdminViewActivityLog -->"));
    EXPECT_TRUE(page.HasLine(R"(<textarea name="COMMENTFIELD" cols="72" rows="15" wrap="PHYSICAL">)"));
    EXPECT_EQ(page.Hidden("ACTION"), "ADMIN");
}

TEST(ActivityLogPage, ShowsOnlyTheNewest900Records) {
    AdminPool pool;
    std::string log;
    for (int i = 0; i < 1000; ++i) log += FixedWidthRecord("record " + std::to_string(i));
    pool.Write("zrp.log", log);
    std::vector<std::string> shown = TextAreaLines(pool.Admin("ACTIVITYLOG"));
    ASSERT_EQ(shown.size(), 900u);
    EXPECT_TRUE(Contains(shown[0], "Action=ACTIVITYLOG"));
    EXPECT_EQ(shown[1], FixedWidthRecord("record 999"));
    EXPECT_EQ(shown[899], FixedWidthRecord("record 101"));
}
