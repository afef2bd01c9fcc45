#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <thread>

#include "core/fixed_width.h"
#include "support/cgi_pool.h"

// Whether record is the activity record prefix + a time stamp taken between
// from and to + " " + suffix, cut or padded to 120 characters.
static bool IsActivityRecord(const std::string& record, const std::string& prefix, const std::string& suffix,
                             time_t from, time_t to) {
    for (time_t t = from; t <= to; ++t) {
        struct tm tm {};
        localtime_r(&t, &tm);
        char stamp[32];
        strftime(stamp, sizeof stamp, "%m-%d-%Y %H:%M:%S", &tm);
        if (record == FixedWidth(prefix + stamp + " " + suffix, 120)) return true;
    }
    return false;
}

TEST(ActivityLog, FirstVisitIsRecordedWithProgramCalledAndTheTrimmedAddress) {
    Pool pool;
    pool.Env["REMOTE_ADDR"] = " 192.0.2.7 ";
    time_t from = time(nullptr);
    pool.Get();
    std::string log = pool.Read("zrp.log");
    EXPECT_TRUE(IsActivityRecord(log, "0.99 - Build 9.6.2,192.0.2.7, Program Called  ", "", from, time(nullptr)))
        << log;
}

TEST(ActivityLog, LongRecordsAreCutSoEveryRecordStartsAtAMultipleOf120) {
    Pool pool;
    std::string email = std::string(150, 'e') + "@x.test";
    time_t from = time(nullptr);
    pool.Act("NOSUCHACTION", email, "pw");
    pool.Get();
    std::string log = pool.Read("zrp.log");
    ASSERT_EQ(log.size(), 240u);
    EXPECT_TRUE(IsActivityRecord(log.substr(0, 120), "0.99 - Build 9.6.2,10.1.2.3, Action=NOSUCHACTION ", email, from,
                                 time(nullptr)))
        << log;
    std::string firstVisit = "0.99 - Build 9.6.2,10.1.2.3, Program Called  ";
    EXPECT_EQ(log.substr(120, firstVisit.size()), firstVisit);
}

TEST(Dispatch, ActionWithoutHandlerGivesAnEmptyAnswerButIsRecorded) {
    Pool pool;
    pool.Join("boss@x.test", "pw", "Boss");
    size_t before = pool.Read("zrp.log").size();
    CgiAnswer answer = pool.Act(" nosuchaction ", "boss@x.test", "pw");
    EXPECT_EQ(answer.Bytes, "");
    EXPECT_EQ(answer.Errors, "");
    std::string log = pool.Read("zrp.log");
    ASSERT_EQ(log.size(), before + 120);
    std::string record = "0.99 - Build 9.6.2,10.1.2.3, Action= nosuchaction  ";
    EXPECT_EQ(log.substr(before, record.size()), record);
}

TEST(DataFolder, TheScriptNameGivesPrefixGameFileAndLogNames) {
    Pool pool("Pool.EXE");
    pool.Write("Pool.cfg", "old season\r\n");
    pool.Write("zrp.cfg", "WEEK1\r\nA at B\r\n");
    pool.Get();
    pool.Get("LINENUMBER=101");
    EXPECT_EQ(pool.Read("Pool.cfg"), "WEEK1\r\nA at B\r\n");
    EXPECT_FALSE(pool.Exists("zrp.cfg"));
    EXPECT_EQ(pool.Read("Pool.log").size(), 120u);
    EXPECT_TRUE(pool.Exists("POOLerror.log"));
    EXPECT_FALSE(pool.Exists("zrp.log"));
}

TEST(DataFolder, ADeliveredGameFileIsTheGameFileOfAProgramNamedZrp) {
    Pool pool;
    pool.Write("zrp.cfg", "WEEK1\r\n");
    pool.Get();
    EXPECT_EQ(pool.Read("zrp.cfg"), "WEEK1\r\n");
}

TEST(DataFolder, ALinkInAnotherFolderIsAPoolOfItsOwn) {
    Pool first;
    Pool second;
    second.Remove("zrp.exe");
    ASSERT_EQ(symlink(first.PathOf("zrp.exe").c_str(), second.PathOf("zrp.exe").c_str()), 0);
    second.Get();
    EXPECT_FALSE(first.Exists("zrp.log"));
    first.Get();
    first.Get();
    EXPECT_EQ(first.Read("zrp.log").size(), 240u);
    EXPECT_EQ(second.Read("zrp.log").size(), 120u);
}

TEST(DataFolder, ARequestWaitsWhileAnotherRunHoldsTheFolder) {
    Pool pool;
    int folder = open(pool.Folder().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folder, 0);
    ASSERT_EQ(flock(folder, LOCK_EX), 0);
    CgiAnswer answer;
    std::thread request([&] { answer = pool.Get(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(pool.Exists("zrp.log"));
    flock(folder, LOCK_UN);
    close(folder);
    request.join();
    EXPECT_EQ(answer.Errors, "");
    EXPECT_EQ(pool.Read("zrp.log").size(), 120u);
}
