#include <gtest/gtest.h>

#include <regex>

#include "core/fixed_width.h"
#include "support/cgi_pool.h"

static const std::string kStamp = "MM-DD-YYYY hh:mm:ss";

// The record with the time stamp that starts at `at` replaced by kStamp.
static std::string Masked(std::string record, size_t at) {
    if (std::regex_match(record.substr(at, 19), std::regex(R"(\d\d-\d\d-\d{4} \d\d:\d\d:\d\d)")))
        record.replace(at, 19, kStamp);
    return record;
}

TEST(ActivityLog, EveryRequestAddsARecordOf120CharactersEvenAnActionWithoutHandlerThatGetsNoPage) {
    Pool pool;
    pool.Env["REMOTE_ADDR"] = " 192.0.2.7 ";
    pool.Get();
    pool.Join("boss@x.test", "pw", "Boss");
    CgiAnswer answer = pool.Act(" nosuchaction ", "boss@x.test", "pw");
    EXPECT_EQ(answer.Bytes + answer.Errors, "");
    std::string email = std::string(150, 'e') + "@x.test";
    pool.Act("NOSUCHACTION", email, "pw");
    std::string log = pool.Read("zrp.log");
    ASSERT_EQ(log.size(), 5 * 120u);
    std::string head = "0.99 - Build 9.6.2,192.0.2.7, Program Called  ";
    EXPECT_EQ(Masked(log.substr(0, 120), head.size()), FixedWidth(head + kStamp + " ", 120));
    head = "0.99 - Build 9.6.2,192.0.2.7, Action=NOSUCHACTION ";
    EXPECT_EQ(Masked(log.substr(480), head.size()), FixedWidth(head + kStamp + " " + email, 120));
}

// A record cut short by a killed run is no record: the next one is written
// over it, so every record stays in its place of 120 bytes.
TEST(ActivityLog, ARecordCutShortIsWrittenOver) {
    Pool pool;
    pool.Get();
    std::string first = pool.Read("zrp.log");
    pool.Write("zrp.log", first + first.substr(0, 50));
    pool.Get();
    EXPECT_EQ(pool.Read("zrp.log").substr(0, 160), first + first.substr(0, 40));
    EXPECT_EQ(pool.Read("zrp.log").size(), 240u);
}
