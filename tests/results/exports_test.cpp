#include <gtest/gtest.h>

#include "users/users_pool.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The rows of RFC 4180 text: a field in quotes may hold commas, line
// breaks and quotes (doubled); every row ends with CR LF.
Rows ParseCsv(const std::string& text) {
    Rows rows(1);
    std::string field;
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            field += c;
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == ',' || c == '\r')) {
            rows.back().push_back(std::move(field));
            field.clear();
            if (c == '\r' && text.substr(i, 2) == "\r\n") rows.emplace_back(), ++i;
        } else {
            EXPECT_TRUE(quoted || c != '\n') << "a line feed outside quotes at " << i;
            field += c;
        }
    }
    EXPECT_TRUE(rows.back().empty() && field.empty()) << "the last row has no CR LF";
    rows.pop_back();
    return rows;
}

// The answer's header block, then the CSV read back.
Rows Download(const CgiAnswer& answer, const std::string& fileName) {
    size_t end = answer.Bytes.find("\r\n\r\n");
    EXPECT_EQ(answer.Bytes.substr(0, end + 2),
              "Status: 200 OK\r\nContent-type: text/csv; charset=windows-1252\r\n"
              "Content-Disposition: attachment; filename=\"" +
                  fileName + "\"\r\n");
    return end == std::string::npos ? Rows{} : ParseCsv(answer.Bytes.substr(end + 4));
}

const std::string kSmith = "SMITH&#44; JO &#34;J&#34;";  // as the form stored "Smith, Jo "J""

// Two periods scored: the first with its teams archived, the second's teams
// only in the game data file; Ann's second record of period 1 is not hers.
struct ScoredSeason : SeasonPool {
    ScoredSeason() {
        WriteUsers({"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR", "ANN@POOL.TEST/ANN LEE/PW1/USER",
                    "JO@POOL.TEST/" + kSmith + "/PW2/USER"});
        Write("ZRPweek.dat", "3\r\n1\r\n2\r\n");
        Write("ZRPteams1_.dat", "Alpha,Beta\r\nGamma,Delta\r\n");
        Write("ZRPpicks1_.dat", "ANN LEE\r\n01\r\n30\r\n" + kSmith + "\r\n15\r\n41\r\nAnn Lee\r\n11\r\n9\r\n");
        Write("ZRPpicks1W_.dat", "01\r\n35\r\n");
        Write("ZRPpicks2_.dat", "ANN LEE\r\n10\r\n20\r\n");
        Write("ZRPpicks2W_.dat", "11\r\n24\r\n");
        Write("ZRPwinners2_.dat", "ANN LEE\r\n2\r\n0\r\n" + kSmith + "\r\n 1 \r\n1\r\n");
        Write("ZRPOverAllWinners.dat", "ANN LEE\r\n4\r\n \r\n" + kSmith + "\r\n2\r\n \r\n");
    }
};

// The menu offers each download and a choice of the scored periods; each
// file holds a header row and a row per player, names as the pages show them.
TEST(Exports, StandingsResultsAndPicksOfAScoredPeriodAsCsv) {
    EXPECT_TRUE(AdminPool().Admin("ADMIN").HasLine(
        R"(<font color="#CCCCCC">.</font><i>X Downloads (CSV) - Not Available</i><br>)"));
    ScoredSeason pool;
    Lines menu = {MenuEntry("EXPORTSTANDINGS", "Download Standings (CSV)"),
                  MenuEntry("EXPORTRESULTS", "Download Period 2 Results (CSV)"),
                  MenuEntry("EXPORTPICKS", "Download Picks (CSV) of Period"),
                  R"(<font color="#CCCCCC">XX</font><select name="EXPORTPERIOD" size="1">)"
                  R"(<option value="1">1</option><option value="2" selected>2</option></select><br>)"};
    EXPECT_EQ(pool.Admin("ADMIN").Between(menu[0], menu.back()), menu);

    CgiAnswer standings = pool.Admin("EXPORTSTANDINGS");
    EXPECT_EQ(Download(standings, "zarn-pool-standings.csv"),
              (Rows{{"Name", "Winning Picks"}, {"ANN LEE", "4"}, {"SMITH, JO \"J\"", "2"}}));
    EXPECT_TRUE(standings.Bytes.ends_with("\r\n\r\nName,Winning Picks\r\nANN LEE,4\r\n\"SMITH, JO \"\"J\"\"\",2\r\n"));
    EXPECT_EQ(Download(pool.Admin("EXPORTRESULTS"), "zarn-pool-period-2-results.csv"),
              (Rows{{"Name", "Correct", "Missed"}, {"ANN LEE", "2", "0"}, {"SMITH, JO \"J\"", "1", "1"}}));
    EXPECT_EQ(Download(pool.Admin("EXPORTPICKS", {{"EXPORTPERIOD", "1"}}), "zarn-pool-period-1-picks.csv"),
              (Rows{{"Name", "Alpha at Beta", "Gamma at Delta", "Tie Breaker", "Correct Picks"},
                    {"ANN LEE", "Alpha", "Delta", "30", "2"},
                    {"SMITH, JO \"J\"", "Beta", "", "41", "0"}}));
    EXPECT_EQ(Download(pool.Admin("EXPORTPICKS", {{"EXPORTPERIOD", "2"}}), "zarn-pool-period-2-picks.csv"),
              (Rows{{"Name", "Alpha at Gamma", "Beta at Delta", "Tie Breaker", "Correct Picks"},
                    {"ANN LEE", "Gamma", "Beta", "20", "1"}}));
    for (const char* period : {"3", "", "1&#47;..", "01"})
        EXPECT_TRUE(pool.Admin("EXPORTPICKS", {{"EXPORTPERIOD", period}})
                        .HasLine(Notice("Only the picks of a scored period can be downloaded.")))
            << period;
}

// The page comments of an answer: which pages it is made of.
Lines PageComments(const CgiAnswer& answer) {
    Lines comments;
    for (const std::string& line : answer.Lines())
        if (line.starts_with("<!-- ")) comments.push_back(line);
    return comments;
}

// Downloads are the administrator's: a player, a wrong password and a
// request without a login get what any administrator's action gets.
TEST(Exports, OthersGetTheirUsualPage) {
    ScoredSeason pool;
    for (const char* action : {"EXPORTSTANDINGS", "EXPORTRESULTS", "EXPORTPICKS"}) {
        Fields period = {{"EXPORTPERIOD", "1"}};
        for (auto [email, password] : {std::pair{kAnn, "pw1"}, {kBoss, "wrong"}}) {
            CgiAnswer answer = pool.Act(action, email, password, period);
            EXPECT_TRUE(answer.HasLine("Content-type: text/html")) << action << email << password;
            EXPECT_EQ(PageComments(answer), PageComments(pool.Act("ACTIVITYLOG", email, password, period)));
        }
        CgiAnswer anonymous = pool.Post({{"ACTION", action}, {"EXPORTPERIOD", "1"}});
        EXPECT_TRUE(anonymous.HasLine("Content-type: text/html")) << action;
        EXPECT_EQ(PageComments(anonymous), PageComments(pool.Post({{"ACTION", "ACTIVITYLOG"}}))) << action;
    }
    EXPECT_TRUE(pool.Act("EXPORTSTANDINGS", kAnn, "pw1").HasLine("<!-- MainMenu -->"));
}

}  // namespace
