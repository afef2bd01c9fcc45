#include <gtest/gtest.h>

#include <regex>

#include "users/users_pool.h"

namespace {

// The table under the chart, row by row, each cell's text without its tags.
std::vector<Lines> TableCells(const CgiAnswer& page) {
    std::vector<Lines> rows;
    std::regex cell("<td[^>]*>(.*?)</td>"), tag("<[^>]*>");
    for (const std::string& line : page.Lines()) {
        if (!line.starts_with("  <tr") || line.find("<td") == std::string::npos) continue;
        rows.emplace_back();
        for (std::sregex_iterator m(line.begin(), line.end(), cell), end; m != end; ++m)
            rows.back().push_back(std::regex_replace((*m)[1].str(), tag, ""));
    }
    return rows;
}

// The season chart: its lines are the top ten of the
// season standings in their order, each point a total of the period
// winners files so far: a period nobody picked in, or one a player missed,
// adds nothing.
TEST(SeasonChart, TopTenTotalsAfterEveryScoredPeriod) {
    SeasonPool pool;
    CgiAnswer empty = pool.Act("SEASONCHART", kAnn, "pw1");
    EXPECT_TRUE(empty.HasLine(BlueNotice("No period has been scored yet.")));

    pool.Write("zrp.cfg", "WEEK1\r\nA at B\r\nWEEK2\r\nA at B\r\nWEEK3\r\nA at B\r\n");
    pool.Write("ZRPweek.dat", "4\r\n1\r\n3\r\n");
    std::string first, third, overall;
    std::vector<Lines> expected = {{"Name", "1", "2", "3"}};
    for (int k = 1; k <= 11; ++k) {
        std::string name = "PLAYER " + std::to_string(k);
        int one = k % 4 + 1, three = k == 5 ? 0 : (k * 7) % 5;
        first += name + "\r\n " + std::to_string(one) + " \r\n1\r\n";
        if (k != 5) third += name + "\r\n" + std::to_string(three) + "\r\n0\r\n";
        overall += name + "\r\n" + std::to_string(30 - k) + "\r\n \r\n";
        if (k <= 10) expected.push_back({name, std::to_string(one), std::to_string(one), std::to_string(one + three)});
    }
    pool.Write("ZRPwinners1_.dat", first);
    pool.Write("ZRPwinners3_.dat", third);
    pool.Write("ZRPOverAllWinners.dat", overall);
    for (const char* period : {"1", "2", "3"}) pool.Write("ZRPpicks" + std::string(period) + "W_.dat", "0\r\n1\r\n");

    CgiAnswer page = pool.Act("SEASONCHART", kAnn, "pw1");
    EXPECT_EQ(TableCells(page), expected);
    EXPECT_EQ(std::ranges::count_if(page.Lines(), [](const std::string& l) { return l.starts_with("<polyline "); }),
              10);

    // A phone 390 px wide shows the picture across its width: every text of
    // it, shrunk with it, stays at least 12 px high.
    std::smatch box;
    ASSERT_TRUE(std::regex_search(page.Bytes, box, std::regex(R"(<svg [^>]*viewBox="0 0 (\d+) \d+")")));
    double shrink = 390.0 / std::stod(box[1]);
    std::regex size(R"re(<text [^>]*font-size="(\d+)")re");
    size_t texts = 0;
    for (std::sregex_iterator m(page.Bytes.begin(), page.Bytes.end(), size), end; m != end; ++m, ++texts)
        EXPECT_GE(std::stod((*m)[1]) * shrink, 12.0) << (*m)[0];
    EXPECT_GT(texts, 3U);
}

}  // namespace
