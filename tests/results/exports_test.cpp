#include <gtest/gtest.h>

#include "users/users_pool.h"

namespace {

// A download as the browser receives it: the header block naming the file, then the CSV bytes.
std::string Csv(const std::string& fileName, const std::string& rows) {
    return "Status: 200 OK\r\nContent-type: text/csv; charset=windows-1252\r\n"
           "Content-Disposition: attachment; filename=\"" +
           fileName + "\"\r\n\r\n" + rows;
}

const std::string kSmith = "SMITH&#44; JO &#34;J&#34;";  // as the form stored "Smith, Jo "J""

// Two periods scored: the first with its teams archived, the second's teams
// only in the game data file; Ann's second record of period 1 is not hers.
// Each file holds a header row and a row per player, names as the pages show them.
TEST(Exports, StandingsResultsAndPicksOfAScoredPeriodAsCsv) {
    SeasonPool pool;
    pool.WriteUsers({"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR", "ANN@POOL.TEST/ANN LEE/PW1/USER",
                     "JO@POOL.TEST/" + kSmith + "/PW2/USER"});
    pool.Write("ZRPweek.dat", "3\r\n1\r\n2\r\n");
    pool.Write("ZRPteams1_.dat", "Alpha,Beta\r\nGamma,Delta\r\n");
    pool.Write("ZRPpicks1_.dat", "ANN LEE\r\n01\r\n30\r\n" + kSmith + "\r\n15\r\n41\r\nAnn Lee\r\n11\r\n9\r\n");
    pool.Write("ZRPpicks1W_.dat", "01\r\n35\r\n");
    pool.Write("ZRPpicks2_.dat", "ANN LEE\r\n10\r\n20\r\n");
    pool.Write("ZRPpicks2W_.dat", "11\r\n24\r\n");
    pool.Write("ZRPwinners2_.dat", "ANN LEE\r\n2\r\n0\r\n" + kSmith + "\r\n 1 \r\n1\r\n");
    pool.Write("ZRPOverAllWinners.dat", "ANN LEE\r\n4\r\n \r\n" + kSmith +
                                            "\r\n2\r\n \r\n&#61;SUM(A1)\r\n1\r\n \r\n&#43;1 @HOME\r\n0\r\n \r\n");
    // A field with a comma or a quote is quoted, its quotes doubled; every row ends in CR LF.
    const std::string smith = "\"SMITH, JO \"\"J\"\"\"";
    // A name a spreadsheet would take for a formula is shown as text.
    EXPECT_EQ(pool.Admin("EXPORTSTANDINGS").Bytes,
              Csv("zarn-pool-standings.csv", "Name,Winning Picks\r\nANN LEE,4\r\n" + smith +
                                                 ",2\r\n'=SUM(A1),1\r\n'+1 @HOME,0\r\n"));
    EXPECT_EQ(pool.Admin("EXPORTRESULTS").Bytes,
              Csv("zarn-pool-period-2-results.csv", "Name,Correct,Missed\r\nANN LEE,2,0\r\n" + smith + ",1,1\r\n"));
    EXPECT_EQ(pool.Admin("EXPORTPICKS", {{"EXPORTPERIOD", "1"}}).Bytes,
              Csv("zarn-pool-period-1-picks.csv",
                  "Name,Alpha at Beta,Gamma at Delta,Tie Breaker,Correct Picks\r\n"
                  "ANN LEE,Alpha,Delta,30,2\r\n" +
                      smith + ",Beta,,41,0\r\n"));
    EXPECT_EQ(pool.Admin("EXPORTPICKS", {{"EXPORTPERIOD", "2"}}).Bytes,
              Csv("zarn-pool-period-2-picks.csv",
                  "Name,Alpha at Gamma,Beta at Delta,Tie Breaker,Correct Picks\r\n"
                  "ANN LEE,Gamma,Beta,20,1\r\n"));
    for (const char* period : {"3", "1&#47;.."})
        EXPECT_TRUE(pool.Admin("EXPORTPICKS", {{"EXPORTPERIOD", period}})
                        .HasLine(Notice("Only the picks of a scored period can be downloaded.")))
            << period;
}

}  // namespace
