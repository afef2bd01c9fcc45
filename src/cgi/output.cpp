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
    // one piece. First what fits the page to a phone: without the viewport
    // line a phone lays it out 980 px wide and shrinks it to fit. The style
    // holds only on screens up to 960 px wide, so a desktop browser shows
    // (and prints) the page as it always did.
    static constexpr std::string_view kHeadEnd =
        "<META NAME=\"viewport\" CONTENT=\"width=device-width, initial-scale=1\">\r\n"
        "<STYLE>\r\n"
        "@media screen and (max-width: 960px) {\r\n"
        // Tables of a fixed width (the login box, the comments) shrink to the screen.
        "table { max-width: 100%; }\r\n"
        // The bordered lists of players (the administrator's are wide) scroll inside
        // their own box where their columns do not fit.
        "table[border=\"1\"] { display: block; width: auto; overflow-x: auto; }\r\n"
        // Long e-mail addresses (links) break rather than widen their table.
        "a { overflow-wrap: anywhere; }\r\n"
        // The smallest text (10 px) is made readable.
        "font[size=\"1\"] { font-size: 12px; }\r\n"
        // Fields and buttons big enough for a finger; 16 px text keeps a
        // phone from zooming in on the field it focuses.
        "input, select, textarea { font-size: 16px; min-height: 24px; max-width: 100%; box-sizing: border-box; }\r\n"
        "input[type=radio], input[type=checkbox] { width: 24px; height: 24px; vertical-align: middle; }\r\n"
        // The picture buttons (22 px high) get room around them, not stretched.
        "input[type=image] { padding: 3px 0; }\r\n"
        // The text areas (60 columns) take the screen's width.
        "textarea { width: 100%; }\r\n"
        "}\r\n"
        "</STYLE>\r\n"
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
    Send(kHeadEnd);
}

void SendFooter() { Send("</BODY></HTML>"); }

void SendCsvHeader(std::string_view fileName) {
    Send("Status: 200 OK");
    Send("Content-type: text/csv; charset=windows-1252");
    SendLine({"Content-Disposition: attachment; filename=\"", fileName, "\"\r\n"});
}
