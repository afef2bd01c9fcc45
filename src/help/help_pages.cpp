#include "help/help_pages.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "cgi/entry.h"
#include "cgi/settings.h"
#include "core/failure.h"
#include "core/files.h"
#include "core/run.h"
#include "core/text.h"

static const char* const kFont = "<font face=\"Verdana, Arial, Helvetica, sans-serif\"";

// Colours and fonts of the pool's own pages, so the help window looks like
// them; on a phone the page takes the screen's width.
static std::string HelpPageHtml(const HelpPage& page) {
    std::vector<std::string> lines = {
        "<HTML><HEAD><TITLE>The Zarn Pool Help: " + std::string(page.Title) + "</TITLE>",
        "<META NAME=\"viewport\" CONTENT=\"width=device-width, initial-scale=1\"></HEAD>",
        "<body bgcolor=\"#E1D4C0\" text=\"#000099\" link=\"#666666\" vlink=\"#666666\" alink=\"#999999\">",
        "<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"5\" bgcolor=\"#FFFFCC\">",
        "  <tr><td align=\"center\">" + std::string(kFont) +
            " size=\"3\" color=\"#990000\"><b><i>The Zarn Pool Online! Help</i></b></font></td></tr>",
        "  <tr bgcolor=\"#000066\"><td align=\"center\">" + std::string(kFont) + " size=\"2\" color=\"#FFFFCC\">" +
            page.Title + "</font></td></tr>",
        "</table>",
        "<table width=\"92%\" border=\"0\" cellpadding=\"8\" align=\"center\"><tr><td>" + std::string(kFont) +
            " size=\"2\">",
        page.Body,
        "</font></td></tr></table>",
        "<hr align=\"center\" width=\"200\">",
        "<P align=\"center\">" + std::string(kFont) +
            " size=\"1\"><a href=\"index.html\">All help pages</a> &nbsp;|&nbsp; "
            "<a href=\"javascript:window.close()\">Close this window</a></font></P>",
        "</BODY></HTML>",
    };
    return JoinTextLines(lines);
}

void WriteHelpPages() {
    Run& r = R();
    if (!r.HelpBaseUrl.empty()) return;
    r.CurrentRoutine = "WriteHelpPages";
    // Where the images go: the web server serves the site's files from there.
    const std::string folder = r.ImageFolder + kHelpFolderName;
    r.HelpBaseUrl = r.ImageUrlBase + kHelpFolderName;
    try {
        for (const HelpPage& page : HelpPages()) {
            const std::string path = folder + page.FileName;
            if (FileExists(path)) continue;
            if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) FailFromErrno(errno, false);
            WriteFileVia(path, path + "." + std::to_string(getpid()) + ".new", HelpPageHtml(page));
        }
    } catch (const RunFailure& failure) {
        LogFailureOnce(RunFailure(failure.Number, failure.what(),
                                  "The help pages cannot be written into " + folder + ", so the help links lead to " +
                                      r.HelpBaseUrl + ": let the web server's user write there, or set ZRP_HELP_URL "
                                      "to the address of a folder of help pages"));
    }
}
