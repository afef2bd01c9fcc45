// The lock-out date page sent back unchanged leaves the pool as it was.
#include <gtest/gtest.h>

#include <ctime>
#include <regex>

#include "support/admin_pool.h"

namespace {

// What the browser sends for the page's form: its hidden fields and the
// option each list shows selected.
Fields Unchanged(const CgiAnswer& page) {
    const std::regex hidden("<INPUT TYPE=\"HIDDEN\" NAME=\"(.*)\" Value=\"(.*)\">");
    const std::regex list("<select name=\"(.*)\" size=\"1\">");
    const std::regex selected(" *<option value=\"(.*)\" selected>.*</option>");
    Fields form;
    std::string name;
    std::smatch match;
    for (const std::string& line : page.Lines()) {
        if (line == "</form>") break;
        if (std::regex_match(line, match, hidden)) form.push_back({match[1], match[2]});
        if (std::regex_match(line, match, list)) name = match[1];
        if (std::regex_match(line, match, selected)) form.push_back({name, match[1]});
    }
    return form;
}

// The five lines of the lock-out date file for a time.
std::string LockFileOf(time_t at) {
    char text[64];
    strftime(text, sizeof text, "%m\r\n%d\r\n%Y\r\n%H\r\n%M\r\n", localtime(&at));
    return text;
}

TEST(LockDatePage, AWeekFromNowOrTheStoredDateIsSelectedAndKept) {
    AdminPool pool;
    time_t before = time(nullptr);
    Fields form = Unchanged(pool.Admin("LOCKOUTDATE"));
    time_t after = time(nullptr);
    CgiAnswer menu = pool.Post(form);
    std::string stored = pool.Read("ZRP__LockDateTime.txt");
    // Unless the minute turned meanwhile.
    EXPECT_TRUE(stored == LockFileOf(before + 7 * 86400) || stored == LockFileOf(after + 7 * 86400)) << stored;
    EXPECT_FALSE(menu.Bytes.find("GAME LOCKED") != std::string::npos);
    for (const std::string& kept : {LockFileOf(before + 400 * 86400), LockFileOf(before - 800 * 86400)}) {
        pool.Write("ZRP__LockDateTime.txt", kept);
        form = Unchanged(pool.Admin("LOCKOUTDATE"));
        EXPECT_EQ(form.size(), 10u);
        EXPECT_TRUE(pool.Post(form).HasLine("<!-- AdminMainMenu -->"));
        EXPECT_EQ(pool.Read("ZRP__LockDateTime.txt"), kept);
    }
}

}  // namespace
