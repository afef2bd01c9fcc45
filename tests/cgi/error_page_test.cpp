#include <gtest/gtest.h>
#include <unistd.h>

#include "cgi/entry.h"
#include "cgi/in_process.h"
#include "cgi/output.h"
#include "cgi/settings.h"
#include "core/clock.h"
#include "core/run.h"
#include "support/cgi_pool.h"

static const std::string kVersion = "0.99 - Build 9.6.2";
static const std::string kUrlDecodeText = "Invalid data passed to UrlDecode() function. Error Number =  65001";
static const std::string kErrorHeading = "<H1>Error in /cgi-bin/zrp.exe</H1>";
static const std::string kArgumentText = "Invalid procedure call or argument Error Number =  5";

static std::vector<std::string> ErrorPage(const std::string& errorText, const std::string& version,
                                          const std::string& routine,
                                          const std::string& scriptName = "/cgi-bin/zrp.exe") {
    std::vector<std::string> lines = HeaderLines("Internal Error");
    std::string contact = kAdminContactEmail;
    lines.insert(lines.end(), {
        "<H1>Error in " + scriptName + "</H1>",
        "The following internal error has occurred:",
        "<PRE>" + errorText + "</PRE>",
        "<I>Please</I> note what you were doing when this problem occurred, ",
        "so we can identify and correct it. Write down the Web page you were ",
        "using, any data you may have entered into a form or search box, ",
        "and anything else that may help us duplicate the problem.",
        "Then contact the administrator of this service: ",
        "<A HREF=\"mailto:" + contact + "\">",
        "<ADDRESS>&lt;" + contact + "&gt;</ADDRESS></A>",
        "<br>",
        version + "   <br>",
        routine,
        "</BODY></HTML>",
    });
    return lines;
}

static std::string LogEntry(const std::string& date, const std::string& errorText, const std::string& version,
                            const std::string& routine) {
    return date + "Internal Error\r\nError in /cgi-bin/zrp.exe" +
           "\r\nThe following internal error has occurred:\r\n" + errorText + "\r\nWhile processing  :  " + version +
           " " + routine + "\r\n\r\n";
}

// Dates in the error log are checked only when the day did not change
// during the test.
#define SKIP_IF_DAY_CHANGED(today) \
    if (ShortDate(NowLocal()) != (today)) GTEST_SKIP() << "the date changed during the test"

TEST(ErrorPage, DecodingFailureReportsNoVersionNorRoutineAndLogsInTheCurrentFolder) {
    std::string today = ShortDate(NowLocal());
    Pool pool;
    CgiAnswer answer = pool.Get("a=100% sure");
    EXPECT_EQ(answer.Errors, "");
    EXPECT_EQ(answer.ExitStatus, 0);
    EXPECT_EQ(answer.Lines(), ErrorPage(kUrlDecodeText, "", ""));
    EXPECT_FALSE(pool.Exists("zrp.log"));
    SKIP_IF_DAY_CHANGED(today);
    EXPECT_EQ(pool.Read("error.log"), LogEntry(today, kUrlDecodeText, "", ""));
}

TEST(ErrorPage, EachFailureOnceTheFolderIsKnownAddsAnEntryToThePoolsErrorLog) {
    std::string today = ShortDate(NowLocal());
    Pool pool;
    EXPECT_EQ(pool.Get("LINENUMBER=101").Lines(),
              ErrorPage("Subscript out of range Error Number =  9", kVersion, "GetData"));
    EXPECT_EQ(pool.Get("LINENUMBER=40000").Lines(), ErrorPage("Overflow Error Number =  6", kVersion, "GetData"));
    EXPECT_FALSE(pool.Exists("error.log"));
    SKIP_IF_DAY_CHANGED(today);
    EXPECT_EQ(pool.Read("ZRPerror.log"),
              LogEntry(today, "Subscript out of range Error Number =  9", kVersion, "GetData") +
                  LogEntry(today, "Overflow Error Number =  6", kVersion, "GetData"));
}

TEST(ErrorPage, OnAFileStandardOutputReplacesWhatWasWritten) {
    Pool pool;
    pool.Stdout = StdoutKind::File;
    pool.StdoutPrefill = "Status: 200 OK\r\n" + std::string(5000, 'x') + "\r\n";
    CgiAnswer answer = pool.Get("LINENUMBER=101");
    EXPECT_EQ(answer.Lines(), ErrorPage("Subscript out of range Error Number =  9", kVersion, "GetData"));
    EXPECT_EQ(answer.Bytes.substr(answer.Bytes.size() - 16), "</BODY></HTML>\r\n");
}

TEST(ErrorPage, OnAPipeFollowsWhatWasAlreadySent) {
    InProcessRun run;
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    ::Run& r = R();
    r.StdOutHandle = fds[1];
    r.ScriptName = "/cgi-bin/zrp.exe";
    r.AdminContactEmail = kAdminContactEmail;
    r.ErrorText = "Overflow Error Number =  6";
    r.CurrentRoutine = "MenuTop";
    Send("half a page");
    Send("");
    WriteErrorPage();
    close(fds[1]);
    std::string bytes;
    char buf[4096];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) bytes.append(buf, static_cast<size_t>(n));
    close(fds[0]);
    std::vector<std::string> expected = {"half a page", ""};
    std::vector<std::string> page = ErrorPage("Overflow Error Number =  6", kVersion, "MenuTop");
    expected.insert(expected.end(), page.begin(), page.end());
    EXPECT_EQ(CrLfLines(bytes), expected);
    EXPECT_EQ(access((run.Folder() + "ZRPerror.log").c_str(), F_OK), 0);
}

TEST(ErrorPage, ScriptNameShorterThanFourCharacters) {
    Pool pool;
    pool.Env["SCRIPT_NAME"] = "/cgi-bin/zr";
    EXPECT_EQ(pool.Get().Lines(), ErrorPage(kArgumentText, "", "Trimm", "/cgi-bin/zr"));
    EXPECT_TRUE(pool.Exists("error.log"));
}

TEST(RequestBody, TooLongIsRefusedAndShortIsReadToItsEnd) {
    Pool pool;
    pool.Env["CONTENT_LENGTH"] = "1048577";
    EXPECT_EQ(pool.PostRaw("LINENUMBER=40000").Lines(), ErrorPage(kArgumentText, "", ""));
    pool.Env["CONTENT_LENGTH"] = "5000";
    EXPECT_EQ(pool.PostRaw("LINENUMBER=40000").Lines(), ErrorPage("Overflow Error Number =  6", kVersion, "GetData"));
}

TEST(RequestBody, ParsedOnlyForAnUpperCasePostOfAUrlEncodedForm) {
    Pool pool;
    std::string body = "LINENUMBER=40000";
    auto run = [&](const std::string& method, const std::string& type) {
        return pool.Run({{"REQUEST_METHOD", method}, {"CONTENT_TYPE", type},
                         {"CONTENT_LENGTH", std::to_string(body.size())}}, body);
    };
    EXPECT_FALSE(run("post", "application/x-www-form-urlencoded").HasLine(kErrorHeading));
    EXPECT_FALSE(run("POST", "text/plain").HasLine(kErrorHeading));
    EXPECT_FALSE(pool.Exists("ZRPerror.log"));
    EXPECT_TRUE(run("POST", "Application/X-WWW-Form-URLEncoded; charset=windows-1252")
                    .HasLine(kErrorHeading));
}

TEST(RequestBody, BodyFieldsComeBeforeQueryFields) {
    Pool pool;
    // "4;40000" reads as 4, "40000;4" overflows.
    EXPECT_FALSE(pool.Post({{"LINENUMBER", "4"}}, "LINENUMBER=40000").HasLine(kErrorHeading));
    EXPECT_TRUE(pool.Post({{"LINENUMBER", "40000"}}, "LINENUMBER=4").HasLine(kErrorHeading));
}
