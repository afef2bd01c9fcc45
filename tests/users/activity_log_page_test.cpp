#include <gtest/gtest.h>

#include "core/fixed_width.h"
#include "core/text.h"
#include "support/admin_pool.h"

TEST(ActivityLogPage, ShowsTheNewest900RecordsNewestFirstWithoutRawAngleBrackets) {
    AdminPool pool;
    // A hand-made action reaches the log as sent; a hand-made e-mail arrives escaped.
    pool.Act("<b>VIEW", "<i>" + std::string(90, 'x') + "@example.test", "pw");
    std::string older;
    for (int i = 0; i < 1000; ++i) older += FixedWidth("record " + std::to_string(i), 120);
    pool.Write("zrp.log", older + pool.Read("zrp.log"));
    std::vector<std::string> shown = TextAreaLines(pool.Admin("ACTIVITYLOG"));
    std::string log = pool.Read("zrp.log");
    std::vector<std::string> expected;
    for (size_t n = log.size() / 120; expected.size() < 900; --n)
        expected.push_back(ReplaceAll(log.substr((n - 1) * 120, 120), "<", "&lt;"));
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(Contains(shown[1], "Action=&lt;b>VIEW ") && Contains(shown[1], " &#60;i&#62;xxx")) << shown[1];
}
