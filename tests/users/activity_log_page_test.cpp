#include <gtest/gtest.h>

#include "core/fixed_width.h"
#include "core/text.h"
#include "users/users_pool.h"

// The newest 900 records show newest first, each whole on its line; nothing
// in a record can forge another line or markup: "<" shows escaped, control
// characters (line breaks, tabs, DEL) as a middle dot and references that are
// not to printable characters as typed, wherever they stand (at a record's
// first and last place, on either side of every eighth byte), while the
// record itself keeps what was sent.
TEST(ActivityLogPage, ShowsTheNewest900RecordsNewestFirstAndNothingThatForgesALine) {
    AdminPool pool;
    std::string record = "<abcdef\t&1234567&#64;x\xE9" + std::string(8, ' ') + "\x7f<" + std::string(6, 'y') + "&";
    record += std::string(119 - record.size(), ' ') + "\n";
    Lines expected;
    std::string older;
    for (int i = 0; i < 1000; ++i) older += FixedWidth("record " + std::to_string(i), 120);
    for (int i = 999; expected.size() < 896; --i) expected.push_back(FixedWidth("record " + std::to_string(i), 120));
    pool.Write("zrp.log", older + record);
    // A hand-made action reaches the log as sent; a hand-made e-mail arrives escaped.
    pool.Act("<b>VIEW", "<i>" + std::string(90, 'x') + "@example.test", "pw");
    pool.Act("VIEW\r\n12-07-2026 FAKE\t&#10;&#x0A;&NewLine;&#64;", kBoss, "secret");
    std::string log = pool.Read("zrp.log");
    ASSERT_EQ(log.size(), 1003 * 120u);
    EXPECT_TRUE(Contains(log, "Action=VIEW\r\n12-07-2026 FAKE\t&#10;&#x0A;&NewLine;&#64;"));
    Lines shown = TextAreaLines(pool.Admin("ACTIVITYLOG"));
    ASSERT_EQ(shown.size(), 900u);
    EXPECT_TRUE(Contains(shown[1], "Action=VIEW&#183;&#183;12-07-2026 FAKE&#183;&amp;#10;&amp;#x0A;&amp;NewLine;&#64;"))
        << shown[1];
    EXPECT_TRUE(Contains(shown[2], "Action=&lt;b>VIEW ") && Contains(shown[2], " &#60;i&#62;xxx")) << shown[2];
    EXPECT_EQ(shown[3], "&lt;abcdef&#183;&amp;1234567&#64;x\xE9" + std::string(8, ' ') + "&#183;&lt;" +
                            std::string(6, 'y') + "&amp;" + std::string(79, ' ') + "&#183;");
    EXPECT_EQ(Lines(shown.begin() + 4, shown.end()), expected);
}
