#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cgi/failure.h"
#include "cgi/in_process.h"
#include "core/paths.h"
#include "core/run.h"
#include "html/form_pieces.h"

// The start-up derivations for a program lying at programFile, called as
// /cgi-bin/zrp.exe on the given port of pool.test.
static void Derive(const std::string& programFile, const std::string& port) {
    ::Run& r = R();
    r.ProgramFile = programFile;
    r.ScriptName = "/cgi-bin/zrp.exe";
    r.CgiVars = {{"SCRIPT_NAME", r.ScriptName}, {"SERVER_NAME", "pool.test"}, {"SERVER_PORT", port}};
    r.ScriptUrl = r.ScriptFolderUrl = "";
    struct Unlock {
        ~Unlock() {
            if (R().FolderLockHandle >= 0) close(R().FolderLockHandle);
            R().FolderLockHandle = -1;
        }
    } unlock;
    DeriveFoldersAndAddresses();
}

TEST(DeriveFoldersAndAddresses, NamesFollowTheProgramAndItsFolder) {
    InProcessRun run;
    Derive(run.Folder() + "zrp.exe", "80");
    const ::Run& r = R();
    EXPECT_EQ(r.DataFolder, run.Folder());
    EXPECT_EQ(r.ProgramPath, run.Folder() + "zrp.exe");
    EXPECT_EQ(r.DataFilePrefix, "ZRP");
    EXPECT_EQ(r.GameDataFileName, "zrp.cfg");
    EXPECT_EQ(r.ActivityLogPath, run.Folder() + "zrp.log");
    EXPECT_EQ(r.ScriptUrl, "http://pool.test/cgi-bin/zrp.exe");
    EXPECT_EQ(r.ScriptFolderUrl, "http://pool.test/cgi-bin/");
    EXPECT_FALSE(r.WebRootFound);
}

TEST(DeriveFoldersAndAddresses, OnlyPorts80And443GiveAnAddress) {
    InProcessRun run;
    Derive(run.Folder() + "zrp.exe", " 443 ");
    EXPECT_EQ(R().ScriptUrl, "https://pool.test/cgi-bin/zrp.exe");
    Derive(run.Folder() + "zrp.exe", "8080");
    EXPECT_EQ(R().ScriptUrl, "");
    EXPECT_EQ(R().ScriptFolderUrl, "");
    EXPECT_EQ(FormTag(), R"(<FORM METHOD="POST" ACTION="">)");
}

TEST(DeriveFoldersAndAddresses, AnApacheFolderFindsTheWebRootBesideIt) {
    InProcessRun run;
    std::string cgiBin = run.Folder() + "Apache/cgi-bin/";
    ASSERT_EQ(mkdir((run.Folder() + "Apache").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(cgiBin.c_str(), 0755), 0);
    Derive(cgiBin + "zrp.exe", "80");
    EXPECT_TRUE(R().WebRootFound);
    EXPECT_EQ(R().WebRootFolder, run.Folder() + "Apache/htdocs/");
    EXPECT_EQ(R().WebRootUrl, "http://pool.test/");
    EXPECT_EQ(FailureOf([&] { Derive(cgiBin + "zrp.exe", "8080"); }), kInvalidCall);
}
