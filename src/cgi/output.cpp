#include "cgi/output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/run.h"

static void WriteOut(const char* p, size_t left) {
    while (left > 0) {
        ssize_t n = write(R().StdOutHandle, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        p += n;
        left -= static_cast<size_t>(n);
    }
}

void FlushOutput() {
    Run& r = R();
    if (r.OutputHeld > 0) WriteOut(r.OutputBlock.get(), r.OutputHeld);
    r.OutputHeld = 0;
}

// One write per line cost most of a long page's time; a page is never held
// whole, so a large one still streams out block by block. The pieces go
// straight into the held block: a page line is never built on its own.
void SendLine(std::initializer_list<std::string_view> pieces) {
    size_t length = 2;
    for (std::string_view piece : pieces) length += piece.size();
    Run& r = R();
    if (r.OutputHeld + length > kOutputHeld) FlushOutput();
    if (length > kOutputHeld) {
        for (std::string_view piece : pieces) WriteOut(piece.data(), piece.size());
        WriteOut("\r\n", 2);
        return;
    }
    // Not zeroed: its pages are touched only as far as the page fills it.
    if (!r.OutputBlock) r.OutputBlock.reset(new char[kOutputHeld]);
    char* to = r.OutputBlock.get() + r.OutputHeld;
    for (std::string_view piece : pieces) {
        if (piece.empty()) continue;
        std::memcpy(to, piece.data(), piece.size());
        to += piece.size();
    }
    std::memcpy(to, "\r\n", 2);
    r.OutputHeld += length;
}

void Send(std::string_view line) { SendLine({line}); }

std::string Quoted(std::string_view value) {
    std::string quoted;
    quoted.reserve(value.size() + 2);
    quoted += '"';
    quoted += value;
    quoted += '"';
    return quoted;
}

void SendHeader(const std::string& title) {
    // The lines after the title are the same on every page: they go out as
    // one piece.
    static constexpr std::string_view kScript =
        "<SCRIPT LANGUAGE=\"JavaScript\">\r\n"
        "<!-- Begin\r\n"
        "function NewWindow(mypage, myname, w, h, scroll) {\r\n"
        "var winl = (screen.width - w) / 2;\r\n"
        "var wint = (screen.height - h) / 2;\r\n"
        "winprops = 'height='+h+',width='+w+',top='+wint+',left='+winl+',scrollbars='+scroll+',resizable'\r\n"
        "win = window.open(mypage, myname, winprops)\r\n"
        "if (parseInt(navigator.appVersion) >= 4) { win.window.focus(); }\r\n"
        "}\r\n"
        "//  End -->\r\n"
        "</script>\r\n"
        "</HEAD>";
    Send("Status: 200 OK");
    Send("Content-type: text/html\r\n");
    SendLine({"<HTML><HEAD><TITLE>", title, "</TITLE>"});
    Send(kScript);
}

void SendFooter() { Send("</BODY></HTML>"); }
