#include "cgi/in_process.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "cgi/failure.h"
#include "cgi/form.h"
#include "core/run.h"
#include "support/cgi_pool.h"

InProcessRun::InProcessRun() {
    char pattern[] = "/tmp/zrp-unit-XXXXXX";
    if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp");
    folder_ = std::string(pattern) + "/";
    outPath_ = std::string(pattern) + ".out";
    out_ = open(outPath_.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ResetRun();
    ::Run& r = R();
    r.StdOutHandle = out_;
    r.DataFolder = folder_;
    r.DataFilePrefix = "ZRP";
    r.GameDataFileName = "zrp.cfg";
    r.ScriptUrl = "http://pool.test/cgi-bin/zrp.exe";
    r.ImageUrlBase = "http://pool.test/cgi-bin/";
    r.Version = "0.99 - Build 9.6.2";
    r.FormPairs.assign(1, FormPair{});
}

InProcessRun::~InProcessRun() {
    if (R().FolderLockHandle >= 0) close(R().FolderLockHandle);
    ResetRun();
    close(out_);
    unlink(outPath_.c_str());
    if (system(("rm -rf '" + folder_ + "'").c_str()) != 0) {
    }
}

void InProcessRun::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder_ + name, std::ios::binary) << bytes;
}

std::vector<std::string> InProcessRun::TakeLines() {
    std::string bytes;
    char buf[4096];
    ssize_t n;
    for (off_t at = 0; (n = pread(out_, buf, sizeof buf, at)) > 0; at += n) bytes.append(buf, static_cast<size_t>(n));
    if (ftruncate(out_, 0) != 0 || lseek(out_, 0, SEEK_SET) != 0) throw std::runtime_error("reset output");
    return CrLfLines(bytes);
}

std::vector<std::string> CrLfLines(const std::string& bytes) {
    CgiAnswer answer;
    answer.Bytes = bytes;
    return answer.Lines();
}

void SetForm(const std::string& encoded) {
    R().FormPairs.assign(1, FormPair{});
    SplitFormPairs(encoded);
}

std::vector<std::string> HeaderLines(const std::string& title) {
    return {"Status: 200 OK",
            "Content-type: text/html",
            "",
            "<HTML><HEAD><TITLE>" + title + "</TITLE>",
            R"(<SCRIPT LANGUAGE="JavaScript">)",
            "<!-- Begin",
            "function NewWindow(mypage, myname, w, h, scroll) {",
            "var winl = (screen.width - w) / 2;",
            "var wint = (screen.height - h) / 2;",
            "winprops = 'height='+h+',width='+w+',top='+wint+',left='+winl+',scrollbars='+scroll+',resizable'",
            "win = window.open(mypage, myname, winprops)",
            "if (parseInt(navigator.appVersion) >= 4) { win.window.focus(); }",
            "}",
            "//  End -->",
            "</script>",
            "</HEAD>"};
}
