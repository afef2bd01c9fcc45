#include "help/help_pages.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "cgi/settings.h"
#include "core/files.h"
#include "core/run.h"
#include "core/text.h"

static const char* const kFont = "<font face=\"Verdana, Arial, Helvetica, sans-serif\"";

// Colours and fonts of the pool's own pages, so the help window looks like them.
std::string HelpPageHtml(const HelpPage& page) {
    std::vector<std::string> lines = {
        "<HTML><HEAD><TITLE>The Zarn Pool Help: " + std::string(page.Title) + "</TITLE></HEAD>",
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

static void MakeFolder(const std::string& folder) {
    if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) FailFromErrno(errno, false);
}

void WriteHelpPages() {
    Run& r = R();
    if (!r.HelpBaseUrl.empty()) return;
    r.CurrentRoutine = "WriteHelpPages";
    // Where the images would go by default, so a server that serves no files
    // from the program's folder finds the help in its web root as well.
    r.HelpFolder = (r.WebRootFound ? r.WebRootFolder : r.DataFolder) + kHelpFolderName;
    r.HelpBaseUrl = (r.WebRootFound ? r.WebRootUrl : r.ScriptFolderUrl) + kHelpFolderName;
    bool folderChecked = false;
    for (const HelpPage& page : HelpPages()) {
        const std::string path = r.HelpFolder + page.FileName;
        if (FileExists(path)) continue;
        if (!folderChecked) MakeFolder(r.HelpFolder);
        folderChecked = true;
        WriteFileVia(path, path + "." + std::to_string(getpid()) + ".new", HelpPageHtml(page));
    }
}
