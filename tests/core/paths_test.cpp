#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "core/paths.h"
#include "support/cgi_pool.h"
#include "support/run_folder.h"

// The program's name gives the prefix of the pool's files; a game file
// delivered as zrp.cfg becomes the pool's game file; a link to the program
// in another folder is a pool of its own. Folder and file name are cut at
// the last separator of either kind.
TEST(DataFolder, FileNamesFollowTheScriptNameAndTheLinksFolder) {
    EXPECT_EQ(FolderOf("C:\\a\\b"), "C:\\a\\");
    EXPECT_EQ(ScriptFileNameOf("\\scripts/x\\Pool.EXE "), "Pool.EXE");
    Pool pool("Pool.EXE"), linked;
    pool.Write("Pool.cfg", "old season\r\n");
    pool.Write("zrp.cfg", "WEEK1\r\nA at B\r\n");
    pool.Get();
    pool.Get("LINENUMBER=101");
    EXPECT_EQ(pool.Files(), (std::vector<std::string>{"POOLFcomments.gif", "POOLFconfirmpicks.gif",
                                                      "POOLFeditchoices.gif", "POOLFenterpicks.gif", "POOLFheader.gif",
                                                      "POOLFmainmenu.gif", "POOLFsubmit.gif", "POOLerror.log",
                                                      "POOLweek.dat", "Pool.EXE", "Pool.cfg", "Pool.log"}));
    EXPECT_TRUE(std::filesystem::is_directory(pool.PathOf("zrphelp")));
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

// The server name and script path come from outside: markup in them is
// escaped in forms, links, images and the error page. On other ports than
// 80 or 443 forms are addressed beside the page.
TEST(DataFolder, MarkupInTheServerNameOrScriptPathIsEscaped) {
    Pool pool;
    pool.Env["SERVER_NAME"] = "x\"><b>&'.test";
    pool.Env["SCRIPT_NAME"] = "/<i>/zrp.exe";
    CgiAnswer login = pool.Get();
    EXPECT_TRUE(login.HasLine(R"(<FORM METHOD="POST" ACTION="http://x&quot;&gt;&lt;b&gt;&amp;&#39;.test/&lt;i&gt;/zrp.exe">)"));
    EXPECT_TRUE(login.HasLine(R"(      <div align="center"><img src="http://x&quot;&gt;&lt;b&gt;&amp;&#39;.test/&lt;i&gt;/ZRPFheader.gif" width="191" height="54" usemap="#Map" border="0">)"))
        << login.Bytes;
    pool.Env["SCRIPT_NAME"] = "/<a";
    EXPECT_TRUE(pool.Get().HasLine("<H1>Error in /&lt;a</H1>"));
    pool.Env = {{"SERVER_PORT", "8080"}};  // beside the page: an address would lack the port
    EXPECT_TRUE(pool.Get().HasLine(R"(<FORM METHOD="POST" ACTION="">)"));
}

// A request waits while another run holds the folder and goes on once it lets
// go; a run whose wait runs out fails naming the lock, in the routine that waits.
TEST(DataFolder, ARunWaitsWhileAnotherHoldsTheFolderAndATimeoutNamesTheLock) {
    Pool pool;
    RunFolder run;
    R().FolderLockWaitSeconds = 1;
    int holder = open(pool.PathOf("").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(flock(holder, LOCK_EX), 0);
    try {
        LockDataFolder(pool.PathOf(""));
        ADD_FAILURE() << "the lock was given twice";
    } catch (const RunFailure& failure) {
        EXPECT_STREQ(failure.what(), "Timed out after 1 seconds waiting for the data folder lock");
    }
    CgiAnswer answer;
    std::thread request([&] { answer = pool.Get(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(pool.Exists("zrp.log"));
    close(holder);
    request.join();
    EXPECT_EQ(answer.Errors, "");
    EXPECT_EQ(pool.Read("zrp.log").size(), 120u);
}
