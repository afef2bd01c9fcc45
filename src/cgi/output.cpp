#include "cgi/output.h"

#include <unistd.h>

#include "core/run.h"

void Send(const std::string& line) {
    std::string bytes = line + "\r\n";
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = write(R().StdOutHandle, p, left);
        if (n <= 0) return;
        p += n;
        left -= static_cast<size_t>(n);
    }
}

std::string Quoted(const std::string& value) { return "\"" + value + "\""; }

void SendHeader(const std::string& title) {
    Send("Status: 200 OK");
    Send("Content-type: text/html\r\n");
    Send("<HTML><HEAD><TITLE>" + title + "</TITLE>");
    Send(R"(<SCRIPT LANGUAGE="JavaScript">)");
    Send("<!-- Begin");
    Send("function NewWindow(mypage, myname, w, h, scroll) {");
    Send("var winl = (screen.width - w) / 2;");
    Send("var wint = (screen.height - h) / 2;");
    Send("winprops = 'height='+h+',width='+w+',top='+wint+',left='+winl+',scrollbars='+scroll+',resizable'");
    Send("win = window.open(mypage, myname, winprops)");
    Send("if (parseInt(navigator.appVersion) >= 4) { win.window.focus(); }");
    Send("}");
    Send("//  End -->");
    Send("</script>");
    Send("</HEAD>");
}

void SendFooter() { Send("</BODY></HTML>"); }
