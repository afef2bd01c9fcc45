#include "html/page_frame.h"

#include "cgi/output.h"
#include "core/run.h"
#include "html/form_pieces.h"

// The footer writes the copyright line's first word with its fonts and the
// rest on a line of its own.
static std::string CopyrightFirstWord() { return R().Copyright.substr(0, R().Copyright.find(' ')); }

static std::string CopyrightRest() {
    size_t blank = R().Copyright.find(' ');
    return blank == std::string::npos ? "" : R().Copyright.substr(blank + 1);
}

void PageFooter() {
    Send("<hr align=\"center\" width=\"200\">");
    Send("<P align=\"center\"><font size=\"2\"> " + FontTag("1", "#000000") + CopyrightFirstWord());
    Send(CopyrightRest() + "<br>");
    Send("Version " + R().Version + "</font><br>");
    Send("  </font> </P>");
}

void PageEnd() {
    PageFooter();
    SendFooter();
}

void CentredPageEnd() {
    Send("</center>");
    PageEnd();
}

void BackLink() {
    Send("<div align=\"center\">");
    Send(R"x(<a href="javascript:history.go(-1)"> <font color="#FFFFFF" face=)x" + Quoted(kFontFace) +
         R"x( size="2"> Back</font></a>)x");
    Send("</div>");
}
