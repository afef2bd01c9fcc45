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

// A line break or a reference to one inside a record would show a forged
// record line: control characters show as a middle dot, references that are
// not to printable characters show as typed; the record itself is unchanged.
TEST(ActivityLogPage, ControlCharactersAndReferencesToThemCannotForgeALine) {
    AdminPool pool;
    pool.Act("VIEW\r\n12-07-2026 FAKE\t&#10;&#x0A;&NewLine;&#64;", kBoss, "secret");
    std::string log = pool.Read("zrp.log");
    ASSERT_EQ(log.size() % 120, 0u);
    EXPECT_TRUE(Contains(log, "Action=VIEW\r\n12-07-2026 FAKE\t&#10;&#x0A;&NewLine;&#64;"));
    std::vector<std::string> shown = TextAreaLines(pool.Admin("ACTIVITYLOG"));
    EXPECT_EQ(shown.size(), log.size() / 120 + 1);
    EXPECT_TRUE(Contains(shown[1], "Action=VIEW&#183;&#183;12-07-2026 FAKE&#183;&amp;#10;&amp;#x0A;&amp;NewLine;&#64;"))
        << shown[1];
}

// Replaced bytes at the first and last place of a record and on either side
// of every eighth byte, among bytes that stay (a reference to a printable
// character, a Latin-1 letter), show as they do anywhere else.
TEST(ActivityLogPage, ReplacedBytesShowWhereverTheyStand) {
    AdminPool pool;
    std::string record = "<abcdef\t&1234567&#64;x\xE9" + std::string(8, ' ') + "\x7f<" + std::string(6, 'y') + "&";
    record += std::string(119 - record.size(), ' ') + "\n";
    ASSERT_EQ(record.size(), 120u);
    pool.Write("zrp.log", record);
    std::vector<std::string> shown = TextAreaLines(pool.Admin("ACTIVITYLOG"));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], "&lt;abcdef&#183;&amp;1234567&#64;x\xE9" + std::string(8, ' ') + "&#183;&lt;" +
                            std::string(6, 'y') + "&amp;" + std::string(79, ' ') + "&#183;");
}
