#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/cgi_pool.h"

// The advice line stands right below the failure's own line and also goes to
// the web server's log (standard error).
static void ExpectAdvice(const CgiAnswer& page, const std::string& failure, const std::string& advice) {
    EXPECT_EQ(page.Between("<PRE>" + failure + "</PRE>", "<P><B>" + advice + "</B></P>").size(), 2u) << page.Bytes;
    EXPECT_TRUE(page.Errors.starts_with(advice + "\n")) << page.Errors;
}

TEST(InstallMistakes, AProgramAddressOrFolderThatCannotWorkIsNamedWithWhatToChange) {
    const std::string call = "Invalid procedure call or argument Error Number =  5";
    Pool pool("zrp.cgi");
    pool.Env["SCRIPT_NAME"] = "/pool/";
    ExpectAdvice(pool.Get(), call,
                 "The web server calls the program as \"/pool/\", an address that does not end in the program's "
                 "file name with its four-character extension (such as zrp.cgi): set the server to pass the "
                 "program's own address as SCRIPT_NAME");
    EXPECT_NE(pool.Read("error.log").find("Error in /pool/\r\n"), std::string::npos);

    Pool apache("apache/zrp.cgi");
    apache.Env = {{"SCRIPT_NAME", "/pool/zrp.cgi"}, {"SERVER_PORT", "8080"}};
    ExpectAdvice(apache.Get(), call,
                 "The pool's folder " + apache.PathOf("apache/") +
                     " has \"apache\" in its path, so the program puts its images into the web root beside it, "
                     "which it can address only on port 80 or 443, not on port 8080: serve the pool on port 80 or "
                     "443, or move it to a folder whose path does not contain \"apache\"");
    EXPECT_NE(apache.Read("apache/ZRPerror.log").find(call), std::string::npos);
    // On port 80 images and help go to the web root beside the folder.
    std::filesystem::create_directory(apache.PathOf("htdocs"));
    apache.Env["SERVER_PORT"] = "80";
    CgiAnswer page = apache.Get();
    EXPECT_TRUE(page.HasLine("<!-- body content-->")) << page.Bytes;
    EXPECT_TRUE(apache.Exists("htdocs/zrphelp/welcome1.html"));

    // A folder the server cannot write is named and the log goes to the server. As root the
    // program runs as nobody, who may not write in the folder root made; a copy of the
    // program in the folder, so nobody need not reach the build folder.
    Pool locked;
    std::string user;
    if (geteuid() == 0) {
        user = "nobody";
        std::filesystem::remove(locked.PathOf("zrp.exe"));
        std::filesystem::copy_file(ZRP_PROGRAM, locked.PathOf("zrp.exe"));
        locked.Launcher = "/usr/bin/setpriv --reuid=nobody --regid=nogroup --clear-groups";
        chmod(locked.PathOf("").c_str(), 0755);
    } else {
        user = getpwuid(geteuid())->pw_name;
        chmod(locked.PathOf("").c_str(), 0555);
    }
    std::string folder = locked.PathOf("");
    CgiAnswer denied = locked.Get();
    chmod(folder.c_str(), 0755);
    ExpectAdvice(denied, "Permission denied Error Number =  70",
                 "The web server's user " + user + " cannot write in the pool's folder " + folder +
                     ": give that folder to " + user + ", for example: chown -R " + user + " " + folder);
    EXPECT_NE(denied.Errors.find("Internal Error\r\nError in /cgi-bin/zrp.exe\r\nThe following internal error has "
                                 "occurred:\r\nPermission denied Error Number =  70\r\n"),
              std::string::npos);
    EXPECT_EQ(locked.Files(), std::vector<std::string>{"zrp.exe"});
}
