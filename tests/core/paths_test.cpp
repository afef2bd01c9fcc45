#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "core/paths.h"
#include "support/cgi_pool.h"

TEST(FolderOf, KeepsEverythingUpToTheLastSeparatorOfEitherKind) {
    EXPECT_EQ(FolderOf("C:\\a\\b"), "C:\\a\\");
    EXPECT_EQ(FolderOf("/srv/pool/zrp.cgi "), "/srv/pool/");
    EXPECT_EQ(ScriptFileNameOf("/cgi-bin/zrp.exe"), "zrp.exe");
    EXPECT_EQ(ScriptFileNameOf("\\scripts/x\\Pool.EXE "), "Pool.EXE");
}

// The program's name gives the prefix of the pool's files; a game file
// delivered as zrp.cfg becomes the pool's game file; a link to the program
// in another folder is a pool of its own.
TEST(DataFolder, FileNamesFollowTheScriptNameAndTheLinksFolder) {
    Pool pool("Pool.EXE"), linked;
    pool.Write("Pool.cfg", "old season\r\n");
    pool.Write("zrp.cfg", "WEEK1\r\nA at B\r\n");
    pool.Get();
    pool.Get("LINENUMBER=101");
    EXPECT_EQ(pool.Files(), (std::vector<std::string>{"POOLFcomments.gif", "POOLFconfirmpicks.gif",
                                                      "POOLFeditchoices.gif", "POOLFenterpicks.gif", "POOLFheader.gif",
                                                      "POOLFmainmenu.gif", "POOLFsubmit.gif", "POOLerror.log",
                                                      "POOLweek.dat", "Pool.EXE", "Pool.cfg", "Pool.log", "zrphelp"}));
    EXPECT_EQ(pool.Read("Pool.cfg"), "WEEK1\r\nA at B\r\n");
    std::filesystem::remove(linked.PathOf("zrp.exe"));
    std::filesystem::create_symlink(pool.PathOf("Pool.EXE"), linked.PathOf("zrp.exe"));
    linked.Write("zrp.cfg", "WEEK1\r\n");
    linked.Get();
    EXPECT_EQ(linked.Read("zrp.cfg"), "WEEK1\r\n");
    EXPECT_EQ(linked.Read("zrp.log").size(), 120u);
    EXPECT_EQ(pool.Read("Pool.log").size(), 120u);
    Pool upper("ZRP.exe");
    upper.Write("zrp.cfg", "WEEK1\r\n");
    upper.Get();
    EXPECT_EQ(upper.Read("ZRP.cfg"), "WEEK1\r\n");
    EXPECT_FALSE(upper.Exists("zrp.cfg"));
}

TEST(DataFolder, AnotherPortThan80Or443LeavesTheFormWithoutAddress) {
    Pool pool;
    pool.Env["SERVER_PORT"] = "8080";
    EXPECT_TRUE(pool.Get().HasLine(R"(<FORM METHOD="POST" ACTION="">)"));
}

TEST(DataFolder, ARequestWaitsWhileAnotherRunHoldsTheFolder) {
    Pool pool;
    int folder = open(pool.PathOf("").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(flock(folder, LOCK_EX), 0);
    CgiAnswer answer;
    std::thread request([&] { answer = pool.Get(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(pool.Exists("zrp.log"));
    close(folder);
    request.join();
    EXPECT_EQ(answer.Errors, "");
    EXPECT_EQ(pool.Read("zrp.log").size(), 120u);
}
